#pragma once
// The SVG/CSS colour keywords.
#include <cstdint>
#include <string_view>

namespace vx {

// The packed RGB (red in the low byte) of a colour keyword, matched without
// regard to ASCII letter case. False when the text is no keyword.
bool LookupColorKeyword(std::string_view name, uint32_t& rgb);

}  // namespace vx
