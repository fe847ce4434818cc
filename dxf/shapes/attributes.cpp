#include "dxf/shapes/shape_writer.h"

DL_Attributes CShapeWriter::EntityAttributes(std::string_view layer, int color, int width,
                                              const std::string& lineType) {
    return DL_Attributes(layer.empty() ? std::string("0") : std::string(layer), color, -1, width,
                         lineType);
}

DL_Attributes CShapeWriter::StrokeAttributes(const vx::CClassicStyle& style) {
    return EntityAttributes(style.layer, style.color, 0, std::string(style.lineType));
}
