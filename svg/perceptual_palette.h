#pragma once
// The DXF colour nearest to an RGB colour as the eye sees it (CIEDE2000), so
// that a dark grey stays a grey rather than turning brown.
#include <cstdint>

namespace vx {

// rgb is 0x00BBGGRR (red in the low byte), as everywhere in the engine; the top
// byte is ignored. Answers 1 to 254; black and white both give 7, the colour
// CAD draws in its foreground colour (black on white paper, white on a dark screen).
int NearestDxfColorPerceptual(uint32_t rgb);

}  // namespace vx
