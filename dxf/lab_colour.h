#pragma once
// Colours as the eye compares them: CIELAB (D65 white) and the CIEDE2000
// difference, which unlike RGB distance keeps a dark grey nearer to the
// greys than to a dark brown.
#include <cstdint>

namespace vx {

struct CLab {
    double L = 0, a = 0, b = 0;
};

// An sRGB colour, 0 to 255 per channel.
CLab SrgbToLab(int red, int green, int blue);

// CIEDE2000 (kL = kC = 1, kH = 1 / hueWeight): about 1 is a just noticeable
// difference. A hueWeight above 1 counts a change of hue for more than one of
// lightness or chroma.
double DeltaE2000(const CLab& first, const CLab& second, double hueWeight = 1);

}  // namespace vx
