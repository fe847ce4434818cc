// Transformed ellipses stay exact ellipses, whatever the matrix.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "base/matrix.h"
#include "geometry/ellipse_image.h"
#include "geometry/transform_list.h"

namespace {

CMatrix Parsed(const char* transform) {
    CMatrix m;
    EXPECT_TRUE(vx::ParseTransformList(transform, m)) << transform;
    return m;
}

// Every point of the source ellipse must land on the reported one, in its
// own frame: (along major / major)² + (across / minor)² = 1.
void ExpectOnImage(const CMatrix& m, double cx, double cy, double rx, double ry,
                   const vx::CEllipseImage& e, const std::string& what) {
    const double major = std::hypot(e.majorX, e.majorY), minor = major * e.ratio;
    for (int step = 0; step < 64; ++step) {
        const double t = step * 3.14159265358979323846 / 32;
        double x = cx + rx * std::cos(t), y = cy + ry * std::sin(t);
        vx::ApplyMatrix(m, x, y);
        const double along = ((x - e.cx) * e.majorX + (y - e.cy) * e.majorY) / major;
        const double across = ((y - e.cy) * e.majorX - (x - e.cx) * e.majorY) / major;
        EXPECT_NEAR(std::pow(along / major, 2) + std::pow(across / minor, 2), 1, 1e-9) << what;
    }
}

}  // namespace

TEST(MapEllipse, AxesOfKnownImages) {
    const struct {
        const char* transform;
        double cx, cy, rx, ry;
        double wantCx, wantCy, majorX, majorY, ratio;
    } rows[] = {
        {"", 1, 2, 3, 3, 1, 2, 3, 0, 1},
        {"", 0, 0, 2, 4, 0, 0, 0, 4, 0.5},
        {"translate(5 6)", 1, 1, 4, 2, 6, 7, 4, 0, 0.5},
        {"scale(2 1)", 1, 1, 1, 1, 2, 1, 2, 0, 0.5},
        {"rotate(90)", 0, 0, 4, 1, 0, 0, 0, 4, 0.25},
        {"scale(-1 1)", 3, 0, 4, 2, -3, 0, 4, 0, 0.5},
        {"rotate(45) scale(1 0.5)", 0, 0, 2, 2, 0, 0, std::sqrt(2), std::sqrt(2), 0.5},
        {"scale(1e200)", 0, 0, 1, 2, 0, 0, 0, 2e200, 0.5},
    };
    for (const auto& row : rows) {
        vx::CEllipseImage e;
        const CMatrix m = Parsed(row.transform);
        ASSERT_TRUE(vx::MapEllipse(m, row.cx, row.cy, row.rx, row.ry, e)) << row.transform;
        EXPECT_NEAR(e.cx, row.wantCx, 1e-12) << row.transform;
        EXPECT_NEAR(e.cy, row.wantCy, 1e-12) << row.transform;
        // The major axis may point either way along its line.
        const double sign = e.majorX * row.majorX + e.majorY * row.majorY < 0 ? -1 : 1;
        const double scale = std::hypot(row.majorX, row.majorY);
        EXPECT_NEAR(sign * e.majorX / scale, row.majorX / scale, 1e-12) << row.transform;
        EXPECT_NEAR(sign * e.majorY / scale, row.majorY / scale, 1e-12) << row.transform;
        EXPECT_NEAR(e.ratio, row.ratio, 1e-12) << row.transform;
    }
}

TEST(MapEllipse, SkewsAndMixedMatricesGiveTheExactImage) {
    for (const char* transform : {"skewX(30)", "skewY(-50) scale(3 0.2)", "matrix(1 2 3 4 5 6)",
                                  "rotate(17 3 4) skewX(70) scale(1 -2)", "matrix(1 1e-6 0 1e-6 0 0)"}) {
        const CMatrix m = Parsed(transform);
        for (const double ry : {0.5, 2.0, 7.0}) {
            vx::CEllipseImage e;
            ASSERT_TRUE(vx::MapEllipse(m, 10, -4, 2, ry, e)) << transform;
            EXPECT_GT(e.ratio, 0) << transform;
            EXPECT_LE(e.ratio, 1) << transform;
            ExpectOnImage(m, 10, -4, 2, ry, e, transform);
        }
    }
}

TEST(MapEllipse, DegenerateImagesAreRefused) {
    const CMatrix identity, flat{1, 2, 2, 4, 0, 0}, zero{0, 0, 0, 0, 1, 1};
    const double inf = HUGE_VAL, nan = std::nan("");
    const struct {
        CMatrix m;
        double cx, cy, rx, ry;
    } rows[] = {
        {identity, 0, 0, 0, 1},   {identity, 0, 0, 1, -1},  {identity, 0, 0, nan, 1},
        {identity, inf, 0, 1, 1}, {identity, 0, 0, inf, 1}, {flat, 0, 0, 1, 1},
        {zero, 0, 0, 1, 1},       {{1e300, 0, 0, 1e300, 0, 0}, 0, 0, 1e10, 1},
        {{nan, 0, 0, 1, 0, 0}, 0, 0, 1, 1},
    };
    for (const auto& row : rows) {
        vx::CEllipseImage e;
        e.ratio = 0.75;
        EXPECT_FALSE(vx::MapEllipse(row.m, row.cx, row.cy, row.rx, row.ry, e));
        EXPECT_EQ(e.ratio, 0.75);  // untouched
    }
}
