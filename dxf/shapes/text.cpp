// A text or tspan element becomes one TEXT entity. Text reads its own
// transform: one matrix(...) or translate(...), nothing else.
#include <cmath>

#include "base/finite.h"
#include "base/matrix.h"
#include "base/text.h"
#include "dxf/shapes/shape_writer.h"
#include "svg/number_list.h"
#include "xml/xml_parser.h"

namespace {

constexpr double kHeightPerFontSize = 0.8;
constexpr double kWidthFactor = 0.7;

struct CTextPlacement {
    CMatrix matrix;
    double scale = 1;  // length of the matrix's first column
    double angle = 0;  // radians, counter-clockwise in DXF
};

CTextPlacement ReadTextTransform(std::string_view transform) {
    CTextPlacement placement;
    CMatrix& m = placement.matrix;
    size_t at = transform.find("matrix");
    if (at != std::string_view::npos) {
        double values[6] = {m.a, m.b, m.c, m.d, m.e, m.f};
        vx::ReadNumberList(transform.substr(at + 6), values, 6);
        m = CMatrix{values[0], values[1], values[2], values[3], values[4], values[5]};
        placement.scale = std::hypot(m.a, m.b);
        // SVG turns clockwise on screen where DXF turns counter-clockwise.
        placement.angle = -std::atan2(m.b, m.a);
        if (placement.angle == 0) placement.angle = 0;  // no "-0" in the file
        return placement;
    }
    at = transform.find("translate");
    if (at != std::string_view::npos) {
        double offset[2] = {0, 0};  // a single number moves along x only
        vx::ReadNumberList(transform.substr(at + 9), offset, 2);
        m.e = offset[0];
        m.f = offset[1];
    }
    return placement;
}

// Character data that ran on into a closing tag ends before that tag's '<'.
std::string_view CutAtClosingTag(std::string_view content, std::string_view tag) {
    const size_t at = content.find(tag);
    if (at == std::string_view::npos) return content;
    return content.substr(0, at == 0 ? 0 : at - 1);
}

}  // namespace

std::string CShapeWriter::TextStyleName(std::string_view family) const {
    std::string style = family.empty() ? std::string() : m_tables.LookupStyleName(family);
    return style.empty() ? std::string("Standard") : style;
}

void CShapeWriter::ConvertText(const std::string& transform, const std::string& fontFamily,
                                const std::string& fontSize, const std::string& content,
                                const std::string& x, const std::string& y) {
    if (content.empty() || !m_output.m_pWriter) return;
    const std::string& family = fontFamily.empty() ? m_walker.m_strFontFamily : fontFamily;
    const std::string& size = fontSize.empty() ? m_walker.m_strFontSize : fontSize;
    double px = vx::LeadingNumber(x), py = vx::LeadingNumber(y);
    const std::string style = TextStyleName(family);

    std::string_view shown = CutAtClosingTag(content, "/text>");
    shown = CutAtClosingTag(shown, "/tspan>");

    const CTextPlacement placement = ReadTextTransform(transform);
    const double height = vx::LeadingNumber(size) * kHeightPerFontSize * placement.scale;
    vx::ApplyMatrix(placement.matrix, px, py);
    m_groupTransforms.Apply(px, py);
    py = m_walker.m_dHeight - py;
    if (!vx::AllFinite({px, py, height, placement.angle})) return LeaveOutNonFinite();

    m_output.WriteText(DL_TextData(px, py, 0, px, py, 0, height, kWidthFactor, 0, 0, 0,
                                DecodeEntities(shown), style, placement.angle),
                    EntityAttributes(m_walker.m_nColor, 0, m_walker.m_strLineType));
}

void CShapeWriter::DrawResolvedText(double x, double y, double fontSize, double angle,
                                     int alignment, std::string_view content,
                                     std::string_view family, int color) {
    if (content.empty() || !m_output.m_pWriter) return;
    const double height = fontSize * kHeightPerFontSize;
    if (!vx::AllFinite({x, y, height, angle})) return LeaveOutNonFinite();
    const std::string_view shown = CutAtClosingTag(CutAtClosingTag(content, "/text>"), "/tspan>");
    // A centred or right-aligned TEXT is placed by its alignment point.
    m_output.WriteText(DL_TextData(x, y, 0, x, y, 0, height, kWidthFactor, 0, alignment, 0,
                                DecodeEntities(shown), TextStyleName(family),
                                angle == 0 ? 0 : angle),
                    EntityAttributes(color, 0, "BYLAYER"));
}
