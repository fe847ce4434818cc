#include <gtest/gtest.h>

#include "dxf/dxf_palette.h"
#include "tests/support/shape_document.h"

using vxtest::Entity;
using vxtest::PointList;
using vxtest::ShapeDocument;
using vxtest::Values;
using vxtest::ValuesOf;

namespace {

constexpr double kHalfPi = 1.5707963267948966;
constexpr double kPi = 3.141592653589793;
constexpr double kThreeHalfPi = 4.71238898038469;
constexpr double kTwoPi = 6.283185307179586;

std::string TypesOf(const std::vector<Entity>& entities) {
    std::string types;
    for (const Entity& e : entities) types += e.type + " ";
    return types;
}

}  // namespace

TEST(Rect, OutlineIsClosedInTheFillColoursNumberAndAFillReplacesIt) {
    ShapeDocument doc;
    doc.conv.Walker().m_nColor = 5;
    doc.conv.Walker().m_crFill = 0x0000FF;
    doc.conv.Walker().m_strLineType = "Dash1";
    doc.classic.Rect("", "10", "10", "30", "20", 0, "", "");
    doc.classic.Rect("", "10", "10", "30", "20", 1, "", "");
    doc.Classic(kFillOutline).Rect("", "10", "10", "30", "20", 1, "", "");
    const auto all = doc.Entities();
    ASSERT_EQ(TypesOf(all), "LWPOLYLINE HATCH LWPOLYLINE ");
    const int fill = vx::NearestDxfColor(0x0000FF);
    EXPECT_EQ(ValuesOf(all[0], {70, 90, 62, 370}), (Values{1, 4, double(fill), 0}));
    EXPECT_EQ(all[0].Str(6), "Dash1");
    const PointList corners{{10, 90}, {40, 90}, {40, 70}, {10, 70}};
    EXPECT_EQ(vxtest::Points(all[0]), corners);
    EXPECT_EQ(ValuesOf(all[1], {62, 370, 93}), (Values{double(fill), 0, 4}));
    EXPECT_EQ(all[1].Str(2), "SOLID");
    PointList edgePoints;
    for (const Entity& edge : vxtest::HatchEdges(all[1])) {
        EXPECT_EQ(edge.type, "1");
        edgePoints.emplace_back(edge.Real(10), edge.Real(20));
        EXPECT_EQ(edge.Real(11), corners[edgePoints.size() % 4].first);
        EXPECT_EQ(edge.Real(21), corners[edgePoints.size() % 4].second);
    }
    EXPECT_EQ(edgePoints, corners);
    EXPECT_EQ(vxtest::Points(all[2]), corners);
}

TEST(Rect, TurnedRectangleKeepsAllFourCornersInsideGroups) {
    ShapeDocument doc(200);
    doc.conv.GroupTransforms().Push();
    doc.conv.GroupTransforms().ReadOwnTransform("translate(100,0)");
    doc.classic.Rect("matrix(0 1 -1 0 0 0)", "0", "0", "10", "20", 0, "", "");
    doc.classic.Rect("", "10", "20", "5", "5", 0, "", "");
    const auto lines = doc.Entities("LWPOLYLINE");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(vxtest::Points(lines[0]), (PointList{{100, 200}, {100, 190}, {80, 190}, {80, 200}}));
    EXPECT_EQ(vxtest::Points(lines[1])[0], (std::pair<double, double>(110, 180)));
}

TEST(RoundRect, OneRadiusServesForBothAndEachIsAtMostHalfItsSide) {
    // A 30 x 20 rectangle at (10, 10); radii of 0 mean square corners.
    const struct {
        std::string rx, ry;
        double radiusX, radiusY;
    } rows[] = {
        {"5", "", 5, 5},      {"", "5", 5, 5},       {"auto", " 4", 4, 4},
        {"2", "6", 2, 6},     {"20", "", 15, 10},    {"5", "50", 5, 10},
        {"-3", "", 3, 3},     {"", "", 0, 0},        {"0", "5", 0, 0},
    };
    for (const auto& row : rows) {
        ShapeDocument doc;
        doc.classic.Rect("", "10", "10", "30", "20", 0, row.rx, row.ry);
        const auto all = doc.Entities();
        ASSERT_FALSE(all.empty());
        if (row.radiusX == 0) {
            EXPECT_EQ(TypesOf(all), "LWPOLYLINE ") << row.rx << "/" << row.ry;
            continue;
        }
        ASSERT_EQ(all.size(), 8u) << row.rx << "/" << row.ry;
        // The top side starts after the top-left corner; its arc has the radii as axes.
        const double x = row.radiusX, y = row.radiusY;
        const Values axis = x >= y ? Values{x, 0, y / x} : Values{0, y, x / y};
        EXPECT_EQ(all[0].Real(10), 10 + x) << row.rx << "/" << row.ry;
        EXPECT_EQ(ValuesOf(all[1], {11, 21, 40}), axis) << row.rx << "/" << row.ry;
    }
}

TEST(RoundRect, OutlineIsFourSidesAndFourQuarterEllipsesInTheStrokeColour) {
    ShapeDocument doc;
    doc.conv.Walker().m_nColor = 3;
    doc.conv.Walker().m_crFill = 0x0000FF;
    doc.classic.Rect("", "10", "10", "30", "20", 0, "5", "5");
    const auto all = doc.Entities();
    ASSERT_EQ(TypesOf(all), "LINE ELLIPSE LINE ELLIPSE LINE ELLIPSE LINE ELLIPSE ");
    // Top, right, bottom, left side; then top-right, bottom-right, bottom-left, top-left arc.
    const Values sides[4] = {{15, 90, 35, 90}, {40, 85, 40, 75}, {35, 70, 15, 70}, {10, 75, 10, 85}};
    const Values arcs[4] = {{35, 85, 5, 0, 1, 0, kHalfPi},
                            {35, 75, 5, 0, 1, kThreeHalfPi, kTwoPi},
                            {15, 75, 5, 0, 1, kPi, kThreeHalfPi},
                            {15, 85, 5, 0, 1, kHalfPi, kPi}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(ValuesOf(all[2 * k], {10, 20, 11, 21}), sides[k]) << k;
        EXPECT_EQ(ValuesOf(all[2 * k + 1], {10, 20, 11, 21, 40, 41, 42}), arcs[k]) << k;
        EXPECT_EQ(all[2 * k].Int(62), 3);
        EXPECT_EQ(all[2 * k + 1].Int(62), 3);
    }
}

TEST(RoundRect, TallCornersPointTheMajorAxisUpInHatchAndOutline) {
    ShapeDocument doc;
    doc.classic.Rect("", "0", "0", "20", "30", 0, "2", "6");
    doc.classic.Rect("", "0", "0", "20", "30", 1, "2", "6");
    const auto all = doc.Entities();
    ASSERT_EQ(all.size(), 9u);
    // Outline arcs: top-right, bottom-right, bottom-left, top-left.
    const Values outline[4] = {{0, 6, 1.0 / 3, kThreeHalfPi, kTwoPi},
                               {0, 6, 1.0 / 3, kPi, kThreeHalfPi},
                               {0, 6, 1.0 / 3, kHalfPi, kPi},
                               {0, 6, 1.0 / 3, 0, kHalfPi}};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(ValuesOf(all[2 * k + 1], {11, 21, 40, 41, 42}), outline[k]) << k;
    // Hatch: left side, bottom-left, bottom, bottom-right, right, top-right, top, top-left.
    ASSERT_EQ(all[8].type, "HATCH");
    EXPECT_EQ(all[8].Int(93), 8);
    const auto edges = vxtest::HatchEdges(all[8]);
    ASSERT_EQ(edges.size(), 8u);
    const Values sides[4] = {{0, 94, 0, 76}, {2, 70, 18, 70}, {20, 76, 20, 94}, {18, 100, 2, 100}};
    const Values arcs[4] = {{2, 76, 0, 6, 90, 180, 1},
                            {18, 76, 0, 6, 180, 270, 1},
                            {18, 94, 0, 6, 270, 360, 1},
                            {2, 94, 0, 6, 0, 90, 1}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(edges[2 * k].type + edges[2 * k + 1].type, "13");
        EXPECT_EQ(ValuesOf(edges[2 * k], {10, 20, 11, 21}), sides[k]) << k;
        EXPECT_EQ(ValuesOf(edges[2 * k + 1], {10, 20, 11, 21, 50, 51, 73}), arcs[k]) << k;
    }
}
