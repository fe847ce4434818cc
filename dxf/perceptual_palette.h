#pragma once
// The DXF colour nearest to an RGB colour as the eye sees it (CIEDE2000 with
// lightness weighed half, as for textiles), so that a dark grey stays a grey
// rather than turning brown and a dark red stays red rather than turning brown.
#include <cstdint>
#include <unordered_map>

namespace vx {

// rgb is 0x00BBGGRR (red in the low byte), as everywhere in the engine; the top
// byte is ignored. Answers 1 to 255: black gives 7, the colour CAD draws in its
// foreground colour (black on white paper, white on a dark screen); white and
// near-white give 255, white on any screen, so that white never prints as black.
int NearestDxfColorPerceptual(uint32_t rgb);

// The colours of one drawing: two colours that differ by eye never share a
// colour number while the palette has a free one near the later colour
// (within kSpareDifference). The first colour to take a number keeps it.
class CDocumentColours {
public:
    int Nearest(uint32_t rgb);

    // CIEDE2000 differences: below kSameByEye two colours are one to the eye;
    // a spare number further than kSpareDifference from a colour is no match for it.
    static constexpr double kSameByEye = 2.3;
    static constexpr double kSpareDifference = 15;

private:
    std::unordered_map<uint32_t, int> m_chosen;  // rgb -> colour number
    std::unordered_map<int, uint32_t> m_holder;  // colour number -> its first rgb
};

}  // namespace vx
