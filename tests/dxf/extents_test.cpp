// The box around an elliptic arc: the arc's own extremes, for any turn of its
// axes and any part of it, as DXF defines the arc (the minor axis a quarter
// turn counter-clockwise from the major one, parameters counter-clockwise).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "dxf/extents.h"

namespace {

struct Arc {
    double cx, cy, majorX, majorY, ratio, start, end;
};

// The box of many points along the arc.
CExtents SampledBox(const Arc& a) {
    constexpr double kTwoPi = 6.283185307179586;
    double sweep = std::fmod(a.end - a.start, kTwoPi);
    if (sweep <= 0) sweep += kTwoPi;
    const double minorX = -a.majorY * a.ratio, minorY = a.majorX * a.ratio;
    CExtents box;
    constexpr int kSamples = 200000;
    for (int i = 0; i <= kSamples; ++i) {
        const double t = a.start + sweep * i / kSamples;
        box.Add(a.cx + a.majorX * std::cos(t) + minorX * std::sin(t),
                a.cy + a.majorY * std::cos(t) + minorY * std::sin(t));
    }
    return box;
}

}  // namespace

TEST(Extents, AnArcsBoxHoldsTheArcAndNoMore) {
    const double pi = 3.14159265358979323846;
    const Arc arcs[] = {
        {10, 20, 5, 0, 1, 0, 0},                  // a whole circle
        {0, 0, 30, 40, 0.5, 0, 2 * pi},           // a whole turned ellipse
        {0, 0, 0, 20, 0.5, 0, pi / 2},            // quarters of an ellipse turned upright
        {0, 0, 0, -20, 0.5, pi, 1.5 * pi},
        {5, 5, 12, -16, 0.25, pi / 4, pi},        // turned, the arc within one turn
        {5, 5, -12, 16, 0.75, 1.75 * pi, 0.25 * pi},  // across parameter 0
        {0, 0, 3, 4, 1, 2, 1},                    // all but a sliver
    };
    for (const Arc& arc : arcs) {
        SCOPED_TRACE(::testing::Message() << arc.majorX << " " << arc.majorY << " " << arc.ratio
                                          << " from " << arc.start << " to " << arc.end);
        CExtents box;
        box.AddEllipse(arc.cx, arc.cy, arc.majorX, arc.majorY, arc.ratio, arc.start, arc.end);
        const CExtents want = SampledBox(arc);
        EXPECT_NEAR(box.MinX(), want.MinX(), 1e-6);
        EXPECT_NEAR(box.MinY(), want.MinY(), 1e-6);
        EXPECT_NEAR(box.MaxX(), want.MaxX(), 1e-6);
        EXPECT_NEAR(box.MaxY(), want.MaxY(), 1e-6);
    }
}
