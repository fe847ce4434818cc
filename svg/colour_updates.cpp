// The two colour updates that many attribute rows share. A colour text of no
// known form (currentColor, inherit, ...) leaves the colour as it was; the
// fill and stroke flags are set all the same.
#include "svg/colors.h"
#include "dxf/dxf_palette.h"
#include "svg/walker_state.h"

void CWalkerState::ApplyStrokeColor(std::string_view color) {
    bool known = true;
    const uint32_t rgb = vx::ParseColor(color, &known);
    if (!known || rgb == m_crStroke) return;
    m_crStroke = rgb;
    m_nColor = vx::NearestDxfColor(rgb);
}

void CWalkerState::StrokeUpdate(std::string_view color) {
    if (color == "none") return;
    m_bStroke = 1;
    ApplyStrokeColor(color);
}

void CWalkerState::FillUpdate(std::string_view color) {
    if (color == "none") return;
    m_bFill = 1;
    bool known = true;
    const uint32_t rgb = vx::ParseColor(color, &known);
    if (known) m_crFill = rgb;
}
