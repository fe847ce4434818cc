#pragma once
// The DXF colour palette and the nearest colour number to an RGB colour.
#include <cstdint>

namespace vx {

constexpr int kDxfPaletteSize = 255;  // colour numbers 0 to 254

// 0xRRGGBB of a colour number 0 to 254: red in the HIGH byte, the reverse of
// the engine's colour values.
uint32_t DxfPaletteRgb(int index);

// The colour number nearest to rgb (red in the LOW byte) by RGB distance.
int NearestDxfColor(uint32_t rgb);

}  // namespace vx
