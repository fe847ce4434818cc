// Colours matched as the eye sees them: CIELAB, CIEDE2000 and the nearest DXF colour.
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "dxf/dxf_palette.h"
#include "dxf/lab_colour.h"
#include "dxf/perceptual_palette.h"

namespace {

uint32_t Rgb(int r, int g, int b) { return uint32_t(r) | uint32_t(g) << 8 | uint32_t(b) << 16; }

// The palette's 0xRRGGBB as the engine's 0x00BBGGRR.
uint32_t EngineRgb(uint32_t rrggbb) { return Rgb(int(rrggbb >> 16), int(rrggbb >> 8 & 0xFF), int(rrggbb & 0xFF)); }

}  // namespace

TEST(DeltaE2000, PublishedReferencePairs) {
    // Sharma, Wu and Dalal's test data, including the pairs where the mean hue
    // wraps around 0/360 degrees.
    const struct {
        vx::CLab x, y;
        double want;
    } rows[] = {
        {{50, 2.6772, -79.7751}, {50, 0, -82.7485}, 2.0425},
        {{50, 3.1571, -77.2803}, {50, 0, -82.7485}, 2.8615},
        {{50, 0, 0}, {50, -1, 2}, 2.3669},
        {{50, 2.49, -0.001}, {50, -2.49, 0.0009}, 7.1792},
        {{50, 2.49, -0.001}, {50, -2.49, 0.0011}, 7.2195},
        {{50, 2.5, 0}, {73, 25, -18}, 27.1492},
        {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
        {{22.7233, 20.0904, -46.694}, {23.0331, 14.973, -42.5619}, 2.0373},
        {{50, 0, 0}, {50, 0, 0}, 0},
    };
    for (const auto& row : rows) {
        EXPECT_NEAR(vx::DeltaE2000(row.x, row.y), row.want, 1e-4) << row.want;
        EXPECT_NEAR(vx::DeltaE2000(row.y, row.x), row.want, 1e-4) << row.want;
    }
}

TEST(SrgbToLab, KnownColours) {
    const struct {
        int r, g, b;
        double L, a, bStar;
    } rows[] = {
        {255, 255, 255, 100, 0, 0},
        {0, 0, 0, 0, 0, 0},
        {255, 0, 0, 53.2408, 80.0925, 67.2032},
        {0, 0, 255, 32.2970, 79.1875, -107.8602},
        {64, 64, 64, 27.0934, 0, 0},
    };
    for (const auto& row : rows) {
        const vx::CLab lab = vx::SrgbToLab(row.r, row.g, row.b);
        EXPECT_NEAR(lab.L, row.L, 2e-3) << row.r << " " << row.g << " " << row.b;
        EXPECT_NEAR(lab.a, row.a, 2e-3) << row.r << " " << row.g << " " << row.b;
        EXPECT_NEAR(lab.b, row.bStar, 2e-3) << row.r << " " << row.g << " " << row.b;
    }
}

TEST(NearestDxfColorPerceptual, GreysStayGreyBlackIsTheForegroundAndWhiteIsWhite) {
    const struct {
        uint32_t rgb;
        int want;
    } rows[] = {
        {Rgb(0, 0, 0), 7},       {Rgb(255, 255, 255), 255}, {Rgb(16, 16, 16), 7},
        {Rgb(32, 32, 32), 7},    {Rgb(0x30, 0x2E, 0x2D), 7},  // near black, whose nearest colour is a tint
        {Rgb(0x40, 0x42, 0x44), 250}, {Rgb(0x2F, 0x4F, 0x4F), 137},  // a faint tint is grey, a clear one is not
        {Rgb(250, 250, 250), 255}, {Rgb(64, 64, 64), 250},    {Rgb(0x54, 0x54, 0x54), 250},
        {Rgb(128, 128, 128), 251}, {Rgb(0xDD, 0xDD, 0xDD), 254}, {Rgb(255, 0, 0), 1},
        {Rgb(0, 255, 0), 3},     {Rgb(0, 0, 255), 5},       {Rgb(255, 128, 0), 30},
        {0xFF000000u | Rgb(255, 255, 0), 2},  // the top byte is no part of the colour
        // Saturated colours keep their hue: a dark red is the palette's dark red, not its brown.
        {Rgb(0xCE, 0, 0), 12},   {Rgb(0x13, 0x88, 0x08), 94}, {Rgb(0xDA, 0x29, 0x1C), 1},
    };
    for (const auto& row : rows) EXPECT_EQ(vx::NearestDxfColorPerceptual(row.rgb), row.want) << std::hex << row.rgb;
}

TEST(NearestDxfColorPerceptual, EveryPaletteColourFindsItself) {
    for (int i = 1; i < vx::kDxfPaletteSize; ++i) {
        const int found = vx::NearestDxfColorPerceptual(EngineRgb(vx::DxfPaletteRgb(i)));
        if (i == 7) {
            EXPECT_EQ(found, 255) << "the palette's white";
            continue;
        }
        EXPECT_EQ(vx::DxfPaletteRgb(found), vx::DxfPaletteRgb(i)) << i << " found " << found;
        EXPECT_LE(found, i) << "duplicates go to the lower number";
    }
}

TEST(NearestDxfColorPerceptual, RememberedAnswersStayWithTheirColour) {
    std::vector<int> first;
    for (uint32_t v = 0; v < 2048; ++v) first.push_back(vx::NearestDxfColorPerceptual(v * 8209u & 0xFFFFFF));
    for (uint32_t v = 2048; v-- > 0;) ASSERT_EQ(vx::NearestDxfColorPerceptual(v * 8209u & 0xFFFFFF), first[v]) << v;
}

// One drawing's colours: what differs by eye gets a number of its own, what
// looks the same shares one, and the first colour keeps the nearest number.
TEST(DocumentColours, DifferentColoursStayApartAndEqualOnesShare) {
    const struct {
        std::vector<uint32_t> colours;
        std::vector<int> want;
    } drawings[] = {
        // A flag's black trigrams on its white field, red and blue apart.
        {{Rgb(0, 0, 0), Rgb(255, 255, 255), Rgb(0xCD, 0x2E, 0x3A), Rgb(0, 0x47, 0xA0)}, {7, 255, 242, 152}},
        // Two reds that the palette's nearest numbers would merge.
        {{Rgb(0xC8, 0x10, 0x2E), Rgb(0xB2, 0x22, 0x34)}, {242, 244}},
        // Equal by eye: one number; asked again: the same answer.
        {{Rgb(0xC8, 0x10, 0x2E), Rgb(0xC9, 0x10, 0x2E), Rgb(0xC8, 0x10, 0x2E)}, {242, 242, 242}},
        // Black and a near-black: the near-black takes the darkest grey.
        {{Rgb(0, 0, 0), Rgb(0x1A, 0x1A, 0x1A)}, {7, 250}},
    };
    for (const auto& drawing : drawings) {
        vx::CDocumentColours colours;
        std::vector<int> got;
        for (uint32_t rgb : drawing.colours) got.push_back(colours.Nearest(rgb));
        EXPECT_EQ(got, drawing.want) << std::hex << drawing.colours[1];
    }
}
