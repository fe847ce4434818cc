#pragma once
// Colour texts: #rgb, #rrggbb, keywords, rgb(...) and hsl(...).
#include <cstdint>
#include <string_view>

namespace vx {

// Packed RGB, red in the low byte. Texts of no known form (currentColor,
// inherit, ...) give 0 and leave *known false.
uint32_t ParseColor(std::string_view text, bool* known = nullptr);

}  // namespace vx
