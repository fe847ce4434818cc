// The viewBox fitted into the viewport under every preserveAspectRatio.
#include <cmath>

#include <gtest/gtest.h>

#include "resolve/viewport.h"

namespace {

struct Fit {
    double sx, sy, ex, ey;
};

void ExpectFit(const CMatrix& m, Fit want, const char* what) {
    EXPECT_DOUBLE_EQ(m.a, want.sx) << what;
    EXPECT_DOUBLE_EQ(m.d, want.sy) << what;
    EXPECT_DOUBLE_EQ(m.e, want.ex) << what;
    EXPECT_DOUBLE_EQ(m.f, want.ey) << what;
    EXPECT_EQ(m.b, 0) << what;
    EXPECT_EQ(m.c, 0) << what;
}

}  // namespace

TEST(ViewportMatrix, AlignmentsMeetAndSlice) {
    // A 100 × 50 viewBox at (10, 20) in a 400 × 400 viewport: meet scales by 4
    // (leaving 200 spare in y), slice by 8 (overflowing 400 in x).
    const struct {
        const char* aspect;
        Fit want;
    } rows[] = {
        {"", {4, 4, -40, 100 - 80}},
        {"xMidYMid", {4, 4, -40, 100 - 80}},
        {"xMinYMin", {4, 4, -40, -80}},
        {"xMaxYMax meet", {4, 4, -40, 200 - 80}},
        {"xMidYMin", {4, 4, -40, -80}},
        {"none", {4, 8, -40, -160}},
        {" defer  xMinYMax  meet ", {4, 4, -40, 200 - 80}},
        {"xMinYMin slice", {8, 8, -80, -160}},
        {"xMidYMid slice", {8, 8, -200 - 80, -160}},
        {"xMaxYMin slice", {8, 8, -400 - 80, -160}},
        {"none slice", {4, 8, -40, -160}},
        // Invalid texts read as the default.
        {"xminymin", {4, 4, -40, 20}},
        {"xMinYMin stretch", {4, 4, -40, 20}},
        {"slice", {4, 4, -40, 20}},
        {"xMinYMin slice meet", {4, 4, -40, 20}},
        {"xMinYMi", {4, 4, -40, 20}},
    };
    for (const auto& row : rows) ExpectFit(vx::ViewportMatrix(10, 20, 100, 50, 400, 400, row.aspect), row.want, row.aspect);
}

TEST(ViewportMatrix, UnusableSizesIgnoreTheViewBox) {
    const double nan = std::nan(""), inf = HUGE_VAL;
    const double rows[][6] = {
        {0, 0, 0, 10, 100, 100},   {0, 0, 10, -1, 100, 100},  {0, 0, nan, 10, 100, 100},
        {inf, 0, 10, 10, 100, 100}, {0, 0, 10, 10, -5, 100},   {0, 0, 10, 10, 100, inf},
        {-1e300, 0, 1e-300, 1e-300, 100, 100},
    };
    for (const auto& r : rows) ExpectFit(vx::ViewportMatrix(r[0], r[1], r[2], r[3], r[4], r[5], ""), {1, 1, 0, 0}, "");
    ExpectFit(vx::ViewportMatrix(0, 0, 10, 10, 0, 100, ""), {0, 0, 0, 50}, "a viewport of no width shows nothing");
}
