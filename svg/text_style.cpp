// The style of a text element: its fill colour becomes the current colour,
// and the font family and size go to the text's drawable.
#include "base/text.h"
#include "svg/colors.h"
#include "svg/walker_state.h"

void CWalkerState::ParseTextStyle(std::string_view style, std::string& fontSize,
                                   std::string& fontFamily) {
    fontSize.clear();
    fontFamily.clear();
    std::string_view value;
    if (vx::DeclarationValue(style, "fill", value) && value != "none") {
        // A text is drawn in its fill colour, so the fill sets the stroke colour too.
        ApplyStrokeColor(value);
        bool known = true;
        const uint32_t rgb = vx::ParseColor(value, &known);
        if (known) m_crFill = rgb;
    }
    if (vx::DeclarationValue(style, "font-family", value)) fontFamily.assign(value);
    if (vx::DeclarationValue(style, "font-size", value)) fontSize.assign(value);
}
