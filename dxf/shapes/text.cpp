// A text becomes one TEXT entity.
#include <cmath>

#include "base/finite.h"
#include "base/matrix.h"
#include "dxf/shapes/shape_writer.h"

namespace {

constexpr double kHeightPerFontSize = 0.8;
constexpr double kWidthFactor = 0.7;

}  // namespace

std::string CShapeWriter::TextStyleName(std::string_view family) const {
    std::string style = family.empty() ? std::string() : m_tables.LookupStyleName(family);
    return style.empty() ? std::string("Standard") : style;
}

void CShapeWriter::DrawText(const vx::CClassicText& text) {
    const vx::CClassicStyle& style = text.style;
    const vx::CTextPlacement& placement = text.placement;
    double px = text.x, py = text.y;
    const double height = text.fontSize * kHeightPerFontSize * placement.scale;
    vx::ApplyMatrix(placement.matrix, px, py);
    style.groups->Apply(px, py);
    py = style.height - py;
    if (!vx::AllFinite({px, py, height, placement.angle})) return LeaveOutNonFinite();
    m_output.WriteText(DL_TextData(px, py, 0, px, py, 0, height, kWidthFactor, 0, 0, 0,
                                   text.content, TextStyleName(text.family), placement.angle),
                       StrokeAttributes(style));
}

void CShapeWriter::DrawResolvedText(double x, double y, double fontSize, double angle,
                                     int alignment, std::string_view content,
                                     std::string_view family, int color) {
    const double height = fontSize * kHeightPerFontSize;
    if (!vx::AllFinite({x, y, height, angle})) return LeaveOutNonFinite();
    // A centred or right-aligned TEXT is placed by its alignment point.
    m_output.WriteText(DL_TextData(x, y, 0, x, y, 0, height, kWidthFactor, 0, alignment, 0,
                                   std::string(content), TextStyleName(family),
                                   angle == 0 ? 0 : angle),
                       EntityAttributes(color, 0, "BYLAYER"));
}
