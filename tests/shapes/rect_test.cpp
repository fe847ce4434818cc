#include <gtest/gtest.h>

#include "tests/shapes/shape_document.h"

using vxtest::Entity;
using vxtest::PointList;
using vxtest::ShapeDocument;

namespace {

constexpr double kHalfPi = 1.5707963267948966;
constexpr double kPi = 3.141592653589793;
constexpr double kThreeHalfPi = 4.71238898038469;
constexpr double kTwoPi = 6.283185307179586;

// Start and end points of the line edges of a hatch.
PointList LineEdgePoints(const Entity& hatch) {
    PointList out;
    for (const Entity& edge : vxtest::HatchEdges(hatch)) {
        if (edge.type != "1") continue;
        out.emplace_back(edge.Real(10), edge.Real(20));
        out.emplace_back(edge.Real(11), edge.Real(21));
    }
    return out;
}

}  // namespace

TEST(Rect, OutlineIsAClosedPolylineInTheFillColoursNumber) {
    ShapeDocument doc;
    doc.conv.m_nColor = 5;
    doc.conv.m_crFill = 0x0000FF;
    doc.conv.m_strLineType = "Dash1";
    doc.conv.ConvertRect("", "10", "10", "30", "20", 0, "", "");
    const auto all = doc.Entities();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].type, "LWPOLYLINE");
    EXPECT_EQ(all[0].Int(70), 1);
    EXPECT_EQ(all[0].Int(90), 4);
    EXPECT_EQ(all[0].Int(62), CSvgConverter::NearestDxfColor(0x0000FF));
    EXPECT_EQ(all[0].Str(6), "Dash1");
    EXPECT_EQ(vxtest::Points(all[0]), (PointList{{10, 90}, {40, 90}, {40, 70}, {10, 70}}));
}

TEST(Rect, FilledRectangleIsFourLineEdgesOnlyWhenTheFillOptionIsOn) {
    ShapeDocument doc;
    doc.conv.m_crFill = 0x00FF00;
    doc.conv.ConvertRect("", "10", "10", "30", "20", 1, "", "");
    doc.conv.m_bFillOption = 0;
    doc.conv.ConvertRect("", "10", "10", "30", "20", 1, "", "");
    const auto all = doc.Entities();
    ASSERT_EQ(all.size(), 2u);
    ASSERT_EQ(all[0].type, "HATCH");
    EXPECT_EQ(all[1].type, "LWPOLYLINE");
    EXPECT_EQ(all[0].Str(2), "SOLID");
    EXPECT_EQ(all[0].Int(62), CSvgConverter::NearestDxfColor(0x00FF00));
    EXPECT_EQ(all[0].Int(370), 0);
    EXPECT_EQ(all[0].Int(93), 4);
    EXPECT_EQ(LineEdgePoints(all[0]), (PointList{{10, 90}, {40, 90}, {40, 90}, {40, 70},
                                                 {40, 70}, {10, 70}, {10, 70}, {10, 90}}));
}

TEST(Rect, RxWithoutRyKeepsSquareCorners) {
    ShapeDocument doc;
    doc.conv.ConvertRect("", "0", "0", "10", "10", 0, "5", "");
    const auto all = doc.Entities();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].type, "LWPOLYLINE");
}

TEST(Rect, TurnedRectangleKeepsAllFourCornersInsideGroups) {
    ShapeDocument doc(200);
    doc.conv.PushTransform();
    doc.conv.ParseGroupTransform("translate(100,0)");
    doc.conv.ConvertRect("matrix(0 1 -1 0 0 0)", "0", "0", "10", "20", 0, "", "");
    doc.conv.ConvertRect("", "10", "20", "5", "5", 0, "", "");
    const auto lines = doc.Entities("LWPOLYLINE");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(vxtest::Points(lines[0]),
              (PointList{{100, 200}, {100, 190}, {80, 190}, {80, 200}}));
    EXPECT_EQ(vxtest::Points(lines[1])[0], (std::pair<double, double>(110, 180)));
}

TEST(RoundRect, OutlineIsFourSidesAndFourQuarterEllipsesInTheStrokeColour) {
    ShapeDocument doc;
    doc.conv.m_nColor = 3;
    doc.conv.m_crFill = 0x0000FF;
    doc.conv.ConvertRect("", "10", "10", "30", "20", 0, "5", "5");
    const auto all = doc.Entities();
    ASSERT_EQ(all.size(), 8u);
    const PointList sides[4] = {{{15, 90}, {35, 90}}, {{40, 85}, {40, 75}},
                                {{35, 70}, {15, 70}}, {{10, 75}, {10, 85}}};
    const PointList centres{{35, 85}, {35, 75}, {15, 75}, {15, 85}};
    const double ranges[4][2] = {{0, kHalfPi}, {kThreeHalfPi, kTwoPi}, {kPi, kThreeHalfPi},
                                 {kHalfPi, kPi}};
    for (int k = 0; k < 4; ++k) {
        const Entity& side = all[2 * k];
        const Entity& arc = all[2 * k + 1];
        ASSERT_EQ(side.type, "LINE");
        ASSERT_EQ(arc.type, "ELLIPSE");
        EXPECT_EQ(side.Int(62), 3);
        EXPECT_EQ(arc.Int(62), 3);
        EXPECT_EQ((PointList{{side.Real(10), side.Real(20)}, {side.Real(11), side.Real(21)}}),
                  sides[k]);
        EXPECT_EQ(vxtest::Points(arc)[0], centres[k]);
        EXPECT_EQ(arc.Real(11), 5);
        EXPECT_EQ(arc.Real(21), 0);
        EXPECT_EQ(arc.Real(40), 1);
        EXPECT_EQ(arc.Real(41), ranges[k][0]);
        EXPECT_EQ(arc.Real(42), ranges[k][1]);
    }
}

TEST(RoundRect, TallCornersPointTheMajorAxisUpInHatchAndOutline) {
    ShapeDocument doc;
    doc.conv.ConvertRect("", "0", "0", "20", "30", 0, "2", "6");
    doc.conv.ConvertRect("", "0", "0", "20", "30", 1, "2", "6");
    const auto all = doc.Entities();
    ASSERT_EQ(all.size(), 9u);
    // Outline: top-right, bottom-right, bottom-left, top-left.
    const double outline[4][2] = {{kThreeHalfPi, kTwoPi}, {kPi, kThreeHalfPi}, {kHalfPi, kPi},
                                  {0, kHalfPi}};
    for (int k = 0; k < 4; ++k) {
        const Entity& arc = all[2 * k + 1];
        ASSERT_EQ(arc.type, "ELLIPSE");
        EXPECT_EQ(arc.Real(11), 0);
        EXPECT_EQ(arc.Real(21), 6);
        EXPECT_DOUBLE_EQ(arc.Real(40), 1.0 / 3);
        EXPECT_EQ(arc.Real(41), outline[k][0]);
        EXPECT_EQ(arc.Real(42), outline[k][1]);
    }
    // Hatch: left side, bottom-left, bottom, bottom-right, right, top-right, top, top-left.
    ASSERT_EQ(all[8].type, "HATCH");
    EXPECT_EQ(all[8].Int(93), 8);
    const auto edges = vxtest::HatchEdges(all[8]);
    ASSERT_EQ(edges.size(), 8u);
    const double hatch[4][2] = {{90, 180}, {180, 270}, {270, 360}, {0, 90}};
    const vxtest::PointList lineStarts{{0, 94}, {2, 70}, {20, 76}, {18, 100}};
    for (int k = 0; k < 4; ++k) {
        const Entity& side = edges[2 * k];
        const Entity& arc = edges[2 * k + 1];
        ASSERT_EQ(side.type, "1");
        ASSERT_EQ(arc.type, "3");
        EXPECT_EQ(vxtest::Points(side)[0], lineStarts[k]);
        EXPECT_EQ(arc.Real(11), 0);
        EXPECT_EQ(arc.Real(21), 6);
        EXPECT_NEAR(arc.Real(50), hatch[k][0], 1e-9);
        EXPECT_NEAR(arc.Real(51), hatch[k][1], 1e-9);
        EXPECT_EQ(arc.Int(73), 1);
    }
}
