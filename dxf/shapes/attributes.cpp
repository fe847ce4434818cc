#include "base/text.h"
#include "dxf/shapes/shape_writer.h"

void CShapeWriter::SetEntityLayer(DL_Attributes& attributes) const {
    attributes.setLayer(m_walker.m_strLayerName.empty() ? std::string("0") : m_walker.m_strLayerName);
}

DL_Attributes CShapeWriter::EntityAttributes(int color, int width,
                                              const std::string& lineType) const {
    DL_Attributes attributes("0", color, -1, width, lineType);
    SetEntityLayer(attributes);
    return attributes;
}

std::string CShapeWriter::DashLineType(std::string_view dashArray) const {
    std::string name = m_tables.LookupDashName(vx::TrimView(dashArray));
    return name.empty() ? std::string("BYLAYER") : name;
}
