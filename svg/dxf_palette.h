#pragma once
// The DXF colour palette, for colour matchers outside the converter.
#include <cstdint>

namespace vx {

constexpr int kDxfPaletteSize = 255;  // colour numbers 0 to 254

// 0xRRGGBB of a colour number 0 to 254: red in the HIGH byte, the reverse of
// the engine's colour values.
uint32_t DxfPaletteRgb(int index);

}  // namespace vx
