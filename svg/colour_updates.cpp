// The two colour updates that many attribute rows share. A colour text of no
// known form (currentColor, inherit, ...) leaves the colour as it was; the
// fill and stroke flags are set all the same.
#include "convert/svg_converter.h"

void CSvgConverter::ApplyStrokeColor(std::string_view color) {
    bool known = true;
    const uint32_t rgb = ParseColor(color, &known);
    if (!known || rgb == m_walker.m_crStroke) return;
    m_walker.m_crStroke = rgb;
    m_walker.m_nColor = NearestDxfColor(rgb);
}

void CSvgConverter::StrokeUpdate(std::string_view color) {
    if (color == "none") return;
    m_walker.m_bStroke = 1;
    ApplyStrokeColor(color);
}

void CSvgConverter::FillUpdate(std::string_view color) {
    if (color == "none") return;
    m_walker.m_bFill = 1;
    bool known = true;
    const uint32_t rgb = ParseColor(color, &known);
    if (known) m_walker.m_crFill = rgb;
}
