#include <gtest/gtest.h>

#include "dxf/dxf_palette.h"
#include "tests/support/shape_document.h"

using vxtest::Entity;
using vxtest::ShapeDocument;
using vxtest::Values;
using vxtest::ValuesOf;

TEST(Circle, OutlineAndFillTakeTheirOwnColoursFillFirst) {
    ShapeDocument doc;
    CConvertOptions chosen = doc.conv.Options();
    chosen.fillOption = 0;  // circles do not consult the fill option
    doc.conv.SetOptions(chosen);
    doc.conv.Walker().m_nColor = 5;
    doc.conv.Walker().m_crFill = 0x0000FF;
    doc.classic.Circle(0, "", "50", "30", "10", "", 1);
    doc.classic.Circle(1, "", "50", "50", "10", "", 1);
    const auto all = doc.Entities();
    ASSERT_EQ(all.size(), 3u);
    ASSERT_EQ(all[0].type + all[1].type + all[2].type, "CIRCLEHATCHCIRCLE");
    // x, y, radius, colour, line weight
    EXPECT_EQ(ValuesOf(all[0], {10, 20, 40, 62, 370}), (Values{50, 70, 10, 5, 0}));
    EXPECT_EQ(all[0].Str(6), "BYLAYER");
    EXPECT_EQ(all[1].Int(62), vx::NearestDxfColor(0x0000FF));
    EXPECT_EQ(ValuesOf(all[1], {370, 70, 91}), (Values{-1, 1, 1}));
    EXPECT_EQ(all[1].Str(2), "SOLID");
    EXPECT_EQ(all[2].Int(62), 5);
    const auto edges = vxtest::HatchEdges(all[1]);
    ASSERT_EQ(edges.size(), 1u);
    EXPECT_EQ(edges[0].type, "2");
    // centre, radius, angles in degrees, counter-clockwise
    EXPECT_EQ(ValuesOf(edges[0], {10, 20, 40, 50, 51, 73}), (Values{50, 50, 10, 0, 360, 1}));
}

TEST(Circle, MissingOrZeroSizeWritesNothingAndNeitherFlagMeansOutline) {
    ShapeDocument doc;
    doc.classic.Circle(0, "", "", "50", "10", "", 1);
    doc.classic.Circle(1, "", "50", "50", "abc", "", 1);
    doc.classic.Circle(0, "scale(0,0)", "50", "50", "10", "", 1);
    doc.classic.Circle(0, "", "1", "2", "3", "", 0);
    const auto all = doc.Entities();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].type, "CIRCLE");
    EXPECT_EQ(all[0].Real(40), 3);
}

TEST(Circle, RadiusIsTheMappedHorizontalRadius) {
    ShapeDocument doc;
    doc.classic.Circle(0, "scale(2,3)", "10", "10", "5", "", 1);
    doc.classic.Circle(0, "matrix(0 1 -1 0 0 0)", "10", "0", "5", "", 1);
    const auto circles = doc.Entities("CIRCLE");
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(ValuesOf(circles[0], {10, 20, 40}), (Values{20, 70, 10}));
    EXPECT_EQ(ValuesOf(circles[1], {10, 20, 40}), (Values{0, 90, 5}));
}

namespace {

// Centre, major axis, ratio and parameter range of the one ELLIPSE written.
Values EllipseOf(const std::string& rx, const std::string& ry, const std::string& transform = "") {
    ShapeDocument doc;
    doc.classic.Ellipse(0, transform, "50", "50", rx, ry, "", 1);
    const auto ellipses = doc.Entities("ELLIPSE");
    EXPECT_EQ(ellipses.size(), 1u);
    return ellipses.empty() ? Values{} : ValuesOf(ellipses[0], {10, 20, 11, 21, 40, 41, 42});
}

constexpr double kTwoPi = 6.283185307179586;

}  // namespace

TEST(Ellipse, MajorAxisRunsAlongTheLargerRadiusAndTransformsKeepTheRatio) {
    EXPECT_EQ(EllipseOf("20", "10"), (Values{50, 50, 20, 0, 0.5, 0, kTwoPi}));
    EXPECT_EQ(EllipseOf("10", "20"), (Values{50, 50, 0, -20, 0.5, 0, kTwoPi}));
    EXPECT_EQ(EllipseOf("10", "10"), (Values{50, 50, 10, 0, 1, 0, kTwoPi}));
    EXPECT_EQ(EllipseOf("20", "10", "matrix(0 1 -1 0 0 0)"),
              (Values{-50, 50, 0, -20, 0.5, 0, kTwoPi}));
    EXPECT_EQ(EllipseOf("20", "10", "scale(2,2)"), (Values{100, 0, 40, 0, 0.5, 0, kTwoPi}));
}

TEST(Ellipse, FillIsAFullEllipticHatchEdgeThenTheOutline) {
    ShapeDocument doc;
    doc.conv.Walker().m_crFill = 0x00FF00;
    doc.conv.Walker().m_nColor = 7;
    doc.classic.Ellipse(1, "", "50", "40", "10", "20", "", 1);
    doc.classic.Ellipse(1, "", "0", "0", "10", "20", "", 0);
    const auto all = doc.Entities();
    ASSERT_EQ(all.size(), 3u);
    ASSERT_EQ(all[0].type + all[1].type + all[2].type, "HATCHELLIPSEHATCH");
    EXPECT_EQ(all[0].Int(62), vx::NearestDxfColor(0x00FF00));
    EXPECT_EQ(all[0].Int(370), -1);
    EXPECT_EQ(all[1].Int(62), 7);
    const auto edges = vxtest::HatchEdges(all[0]);
    ASSERT_EQ(edges.size(), 1u);
    EXPECT_EQ(edges[0].type, "3");
    EXPECT_EQ(ValuesOf(edges[0], {10, 20, 11, 21, 40, 50, 51, 73}),
              (Values{50, 60, 0, -20, 0.5, 0, 360, 1}));
}

TEST(Ellipse, FlatEllipseIsTheLineAcrossItAndSetsTheLineType) {
    ShapeDocument doc;
    doc.conv.Walker().m_strLineType = "Dash1";
    // A missing radius writes nothing and leaves the line type.
    doc.classic.Ellipse(1, "", "50", "50", "10", "", "", 1);
    EXPECT_EQ(doc.conv.Walker().m_strLineType, "Dash1");
    doc.classic.Ellipse(1, "", "50", "50", "0", "10", "", 0);
    doc.classic.Ellipse(0, "", "50", "50", "10", "0", "", 1);
    EXPECT_EQ(doc.conv.Walker().m_strLineType, "BYLAYER");
    const auto all = doc.Entities();
    ASSERT_EQ(all.size(), 2u);
    ASSERT_EQ(all[0].type + all[1].type, "LWPOLYLINELWPOLYLINE");
    EXPECT_EQ(vxtest::Points(all[0]), (vxtest::PointList{{50, 40}, {50, 60}}));
    EXPECT_EQ(vxtest::Points(all[1]), (vxtest::PointList{{60, 50}, {40, 50}}));
}

// However an ellipse is turned or stretched, its fill covers the ellipse its
// outline draws: the same centre, ratio and major axis (either way along it).
TEST(Ellipse, FillAndOutlineAreTheSameEllipseUnderAnyTransform) {
    for (const char* transform : {"", "scale(2,3)", "matrix(0 1 -1 0 0 0)",
                                  "matrix(0.6 0.8 -0.8 0.6 10 20)", "matrix(0.6 -0.8 0.8 0.6 0 0)"}) {
        SCOPED_TRACE(transform);
        ShapeDocument doc;
        doc.classic.Ellipse(1, transform, "50", "40", "20", "10", "", 1);
        const auto all = doc.Entities();
        ASSERT_EQ(all.size(), 2u);
        ASSERT_EQ(all[0].type + all[1].type, "HATCHELLIPSE");
        const auto edges = vxtest::HatchEdges(all[0]);
        ASSERT_EQ(edges.size(), 1u);
        const Values fill = ValuesOf(edges[0], {10, 20, 40, 11, 21});
        const Values outline = ValuesOf(all[1], {10, 20, 40, 11, 21});
        for (size_t i = 0; i < 3; ++i) EXPECT_NEAR(fill[i], outline[i], 1e-9) << i;
        const double sign = fill[3] * outline[3] + fill[4] * outline[4] < 0 ? -1 : 1;
        EXPECT_NEAR(fill[3], sign * outline[3], 1e-9);
        EXPECT_NEAR(fill[4], sign * outline[4], 1e-9);
    }
}
