#include <gtest/gtest.h>

#include "tests/shapes/shape_document.h"

using vxtest::Entity;
using vxtest::ShapeDocument;

TEST(Circle, StrokedCircleIsOneCircleEntity) {
    ShapeDocument doc;
    doc.conv.m_nColor = 4;
    doc.conv.ConvertCircle(0, "", "50", "30", "10", "", 1);
    const auto all = doc.Entities();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].type, "CIRCLE");
    EXPECT_EQ(all[0].Real(10), 50);
    EXPECT_EQ(all[0].Real(20), 70);
    EXPECT_EQ(all[0].Real(40), 10);
    EXPECT_EQ(all[0].Int(62), 4);
    EXPECT_EQ(all[0].Int(370), 0);
    EXPECT_EQ(all[0].Str(6), "BYLAYER");
}

TEST(Circle, FillIsAFullArcHatchBeforeTheOutlineInTheFillColour) {
    ShapeDocument doc;
    doc.conv.m_bFillOption = 0;  // circles do not consult the fill option
    doc.conv.m_nColor = 5;
    doc.conv.m_crFill = 0x0000FF;  // red
    doc.conv.ConvertCircle(1, "", "50", "50", "10", "", 1);
    const auto all = doc.Entities();
    ASSERT_EQ(all.size(), 2u);
    ASSERT_EQ(all[0].type, "HATCH");
    EXPECT_EQ(all[1].type, "CIRCLE");
    EXPECT_EQ(all[0].Int(62), CSvgConverter::NearestDxfColor(0x0000FF));
    EXPECT_EQ(all[0].Int(370), -1);
    EXPECT_EQ(all[0].Str(2), "SOLID");
    EXPECT_EQ(all[0].Int(70), 1);
    EXPECT_EQ(all[0].Int(91), 1);
    EXPECT_EQ(all[1].Int(62), 5);
    const auto edges = vxtest::HatchEdges(all[0]);
    ASSERT_EQ(edges.size(), 1u);
    EXPECT_EQ(edges[0].type, "2");
    EXPECT_EQ(edges[0].Real(10), 50);
    EXPECT_EQ(edges[0].Real(20), 50);
    EXPECT_EQ(edges[0].Real(40), 10);
    EXPECT_EQ(edges[0].Real(50), 0);
    EXPECT_NEAR(edges[0].Real(51), 360, 1e-9);  // degrees in the file
    EXPECT_EQ(edges[0].Int(73), 1);
}

TEST(Circle, MissingOrZeroSizeWritesNothingAndNeitherFlagMeansOutline) {
    ShapeDocument doc;
    doc.conv.ConvertCircle(0, "", "", "50", "10", "", 1);
    doc.conv.ConvertCircle(1, "", "50", "50", "abc", "", 1);
    doc.conv.ConvertCircle(0, "scale(0,0)", "50", "50", "10", "", 1);
    doc.conv.ConvertCircle(0, "", "1", "2", "3", "", 0);
    const auto all = doc.Entities();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].type, "CIRCLE");
    EXPECT_EQ(all[0].Real(40), 3);
}

TEST(Circle, RadiusIsTheMappedHorizontalRadius) {
    ShapeDocument doc;
    doc.conv.ConvertCircle(0, "scale(2,3)", "10", "10", "5", "", 1);
    doc.conv.ConvertCircle(0, "matrix(0 1 -1 0 0 0)", "10", "0", "5", "", 1);
    const auto circles = doc.Entities("CIRCLE");
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0].Real(40), 10);
    EXPECT_EQ(circles[0].Real(10), 20);
    EXPECT_EQ(circles[0].Real(20), 70);
    EXPECT_NEAR(circles[1].Real(40), 5, 1e-12);
    EXPECT_NEAR(circles[1].Real(10), 0, 1e-12);
    EXPECT_NEAR(circles[1].Real(20), 90, 1e-12);
}

namespace {

Entity OnlyEllipse(const std::string& rx, const std::string& ry,
                   const std::string& transform = "") {
    ShapeDocument doc;
    doc.conv.ConvertEllipse(0, transform, "50", "50", rx, ry, "", 1);
    const auto ellipses = doc.Entities("ELLIPSE");
    EXPECT_EQ(ellipses.size(), 1u);
    return ellipses.empty() ? Entity{} : ellipses[0];
}

}  // namespace

TEST(Ellipse, MajorAxisRunsAlongTheLargerRadius) {
    const Entity wide = OnlyEllipse("20", "10");
    EXPECT_EQ(wide.Real(10), 50);
    EXPECT_EQ(wide.Real(20), 50);
    EXPECT_EQ(wide.Real(11), 20);
    EXPECT_EQ(wide.Real(21), 0);
    EXPECT_EQ(wide.Real(40), 0.5);
    EXPECT_EQ(wide.Real(41), 0);
    EXPECT_NEAR(wide.Real(42), 6.283185307179586, 1e-15);
    const Entity tall = OnlyEllipse("10", "20");
    EXPECT_EQ(tall.Real(11), 0);
    EXPECT_EQ(tall.Real(21), -20);
    EXPECT_EQ(tall.Real(40), 0.5);
    const Entity round = OnlyEllipse("10", "10");
    EXPECT_EQ(round.Real(11), 10);
    EXPECT_EQ(round.Real(40), 1);
}

TEST(Ellipse, TransformTurnsTheAxisButKeepsTheRatio) {
    const Entity turned = OnlyEllipse("20", "10", "matrix(0 1 -1 0 0 0)");
    EXPECT_NEAR(turned.Real(10), -50, 1e-12);
    EXPECT_NEAR(turned.Real(20), 50, 1e-12);
    EXPECT_NEAR(turned.Real(11), 0, 1e-12);
    EXPECT_NEAR(turned.Real(21), -20, 1e-12);
    EXPECT_EQ(turned.Real(40), 0.5);
    const Entity stretched = OnlyEllipse("20", "10", "scale(2,2)");
    EXPECT_EQ(stretched.Real(11), 40);
    EXPECT_EQ(stretched.Real(40), 0.5);
}

TEST(Ellipse, FillIsAFullEllipticHatchEdgeThenTheOutline) {
    ShapeDocument doc;
    doc.conv.m_crFill = 0x00FF00;
    doc.conv.m_nColor = 7;
    doc.conv.ConvertEllipse(1, "", "50", "40", "10", "20", "", 1);
    doc.conv.ConvertEllipse(1, "", "0", "0", "10", "20", "", 0);
    const auto all = doc.Entities();
    ASSERT_EQ(all.size(), 3u);
    ASSERT_EQ(all[0].type, "HATCH");
    EXPECT_EQ(all[1].type, "ELLIPSE");
    EXPECT_EQ(all[2].type, "HATCH");
    EXPECT_EQ(all[0].Int(62), CSvgConverter::NearestDxfColor(0x00FF00));
    EXPECT_EQ(all[0].Int(370), -1);
    EXPECT_EQ(all[1].Int(62), 7);
    const auto edges = vxtest::HatchEdges(all[0]);
    ASSERT_EQ(edges.size(), 1u);
    EXPECT_EQ(edges[0].type, "3");
    EXPECT_EQ(edges[0].Real(10), 50);
    EXPECT_EQ(edges[0].Real(20), 60);
    EXPECT_EQ(edges[0].Real(11), 0);
    EXPECT_EQ(edges[0].Real(21), -20);
    EXPECT_EQ(edges[0].Real(40), 0.5);
    EXPECT_EQ(edges[0].Real(50), 0);
    EXPECT_NEAR(edges[0].Real(51), 360, 1e-9);
    EXPECT_EQ(edges[0].Int(73), 1);
}

TEST(Ellipse, MissingRadiusWritesNothingAndLeavesTheLineType) {
    ShapeDocument doc;
    doc.conv.m_strLineType = "Dash1";
    doc.conv.ConvertEllipse(1, "", "50", "50", "10", "", "", 1);
    EXPECT_TRUE(doc.Entities().empty());
    EXPECT_EQ(doc.conv.m_strLineType, "Dash1");
}

TEST(Ellipse, FlatEllipseIsTheLineAcrossIt) {
    ShapeDocument doc;
    doc.conv.m_strLineType = "Dash1";
    doc.conv.ConvertEllipse(1, "", "50", "50", "0", "10", "", 0);
    doc.conv.ConvertEllipse(0, "", "50", "50", "10", "0", "", 1);
    EXPECT_EQ(doc.conv.m_strLineType, "BYLAYER");
    const auto all = doc.Entities();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].type, "LWPOLYLINE");
    EXPECT_EQ(all[1].type, "LWPOLYLINE");
    EXPECT_EQ(vxtest::Points(all[0]), (vxtest::PointList{{50, 40}, {50, 60}}));
    EXPECT_EQ(vxtest::Points(all[1]), (vxtest::PointList{{60, 50}, {40, 50}}));
}
