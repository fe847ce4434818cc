// The classic reading's texts and pictures.
#include <cmath>

#include "base/text.h"
#include "svg/classic_elements.h"
#include "svg/number_list.h"
#include "svg/shown_text.h"
#include "xml/xml_parser.h"

namespace vx {

CTextPlacement ReadTextTransform(std::string_view transform) {
    CTextPlacement placement;
    CMatrix& m = placement.matrix;
    size_t at = transform.find("matrix");
    if (at != std::string_view::npos) {
        double values[6] = {m.a, m.b, m.c, m.d, m.e, m.f};
        ReadNumberList(transform.substr(at + 6), values, 6);
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
        ReadNumberList(transform.substr(at + 9), offset, 2);
        m.e = offset[0];
        m.f = offset[1];
    }
    return placement;
}

void CClassicElements::Text(std::string_view transform, std::string_view fontFamily,
                            std::string_view fontSize, std::string_view content,
                            std::string_view x, std::string_view y) {
    if (content.empty()) return;
    CClassicText text;
    text.style = Style();
    text.placement = ReadTextTransform(transform);
    text.x = LeadingNumber(x);
    text.y = LeadingNumber(y);
    text.fontSize = LeadingNumber(fontSize.empty() ? std::string_view(m_state.m_strFontSize) : fontSize);
    text.content = ShownText(content);
    text.family = fontFamily.empty() ? std::string_view(m_state.m_strFontFamily) : fontFamily;
    m_drawing.DrawText(text);
}

void CClassicElements::Image(std::string_view x, std::string_view y, std::string_view width,
                             std::string_view height, std::string_view link) {
    m_drawing.DrawImage(CClassicImage{Style(), LeadingNumber(x), LeadingNumber(y),
                                      LeadingNumber(width), LeadingNumber(height),
                                      DecodeEntities(link)});
}

}  // namespace vx
