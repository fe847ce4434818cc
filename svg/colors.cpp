// Colour texts to packed RGB (red in the low byte): hexadecimal "#..." forms,
// colour keywords and the functional "rgb(r, g, b)" form.
#include <algorithm>
#include <cmath>

#include "base/text.h"
#include "svg/colors.h"
#include "svg/color_keywords.h"

namespace {

constexpr uint32_t PackRgb(int r, int g, int b) {
    return uint32_t(r) | (uint32_t(g) << 8) | (uint32_t(b) << 16);
}

// A character that is not a hex digit counts as 0, so stray letters never fail a colour.
int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;
}

// Everything after the first '#'. Any length other than 3 or 6 (a paint-server
// reference such as url(#grad) included) is black.
uint32_t ParseHexColor(std::string_view digits) {
    if (digits.size() == 3) {
        // #abc is shorthand for #aabbcc.
        return PackRgb(HexDigit(digits[0]) * 17, HexDigit(digits[1]) * 17, HexDigit(digits[2]) * 17);
    }
    if (digits.size() == 6) {
        auto pair = [&](size_t i) { return HexDigit(digits[i]) * 16 + HexDigit(digits[i + 1]); };
        return PackRgb(pair(0), pair(2), pair(4));
    }
    return 0;
}

// One component of the functional form: a percentage of 255 or a whole number, kept in 0..255.
int ParseComponent(std::string_view text) {
    text = vx::TrimRightView(text);
    if (!text.empty() && text.back() == '%') {
        const double percent = std::clamp(vx::LeadingNumber(text.substr(0, text.size() - 1)), 0.0, 100.0);
        return int(std::lround(percent * 255.0 / 100.0));
    }
    return std::clamp(vx::LeadingInt(text), 0, 255);
}

// "rgb(r, g, b)" and its percentage form; false unless there are three components.
bool ParseFunctionalColor(std::string_view text, uint32_t& rgb) {
    const size_t open = text.find('(');
    if (open != std::string_view::npos) text = text.substr(open + 1);
    text = text.substr(0, text.find(')'));
    const size_t first = text.find(',');
    if (first == std::string_view::npos) return false;
    const size_t second = text.find(',', first + 1);
    if (second == std::string_view::npos) return false;
    rgb = PackRgb(ParseComponent(text.substr(0, first)),
                  ParseComponent(text.substr(first + 1, second - first - 1)),
                  ParseComponent(text.substr(second + 1)));
    return true;
}

}  // namespace

uint32_t vx::ParseColor(std::string_view text, bool* known) {
    if (known) *known = true;
    const size_t hash = text.find('#');
    if (hash != std::string_view::npos) return ParseHexColor(text.substr(hash + 1));
    uint32_t rgb = 0;
    if (vx::LookupColorKeyword(text, rgb) || ParseFunctionalColor(text, rgb)) return rgb;
    // currentColor, inherit, an empty text...: the caller keeps its colour.
    if (known) *known = false;
    return 0;
}
