#include <gtest/gtest.h>

#include "tests/shapes/shape_document.h"

using vxtest::Entity;
using vxtest::PointList;
using vxtest::ShapeDocument;

namespace {

// The vertices of the single LWPOLYLINE that the points text gives, or none.
std::vector<Entity> PolylinesOf(const std::string& points, bool closed = false,
                                const std::string& transform = "") {
    ShapeDocument doc;
    doc.conv.ConvertPolyline(transform, points, "", closed);
    return doc.Entities("LWPOLYLINE");
}

PointList VerticesOf(const std::string& points) {
    const std::vector<Entity> lines = PolylinesOf(points);
    if (lines.size() != 1) return {};
    EXPECT_EQ(lines[0].Int(90), int(lines[0].Reals(10).size())) << points;
    return vxtest::Points(lines[0]);
}

}  // namespace

TEST(Polyline, ThreePairsGiveThreeFlippedVerticesOpenInTheCurrentColour) {
    ShapeDocument doc;
    doc.conv.m_nColor = 5;
    doc.conv.ConvertPolyline("", "  10,10 20,20 30,10  ", "", false);
    const auto lines = doc.Entities("LWPOLYLINE");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Int(90), 3);
    EXPECT_EQ(lines[0].Int(70), 0);
    EXPECT_EQ(lines[0].Int(62), 5);
    EXPECT_EQ(lines[0].Int(370), 0);
    EXPECT_EQ(lines[0].Str(6), "BYLAYER");
    EXPECT_EQ(vxtest::Points(lines[0]), (PointList{{10, 90}, {20, 80}, {30, 90}}));
    // Each vertex carries zero start and end widths.
    EXPECT_EQ(lines[0].Reals(40), (std::vector<double>{0, 0, 0}));
    EXPECT_EQ(lines[0].Reals(41), (std::vector<double>{0, 0, 0}));
}

TEST(Polyline, PolygonIsClosedPolylineIsOpen) {
    const auto polygon = PolylinesOf("0,0 10,0 10,10", true);
    ASSERT_EQ(polygon.size(), 1u);
    EXPECT_EQ(polygon[0].Int(70), 1);
    EXPECT_EQ(polygon[0].Int(90), 3);
    const auto polyline = PolylinesOf("0,0 10,0 10,10", false);
    ASSERT_EQ(polyline.size(), 1u);
    EXPECT_EQ(polyline[0].Int(70), 0);
}

TEST(Polyline, PointsAreSeparatedByAnyWhiteSpaceCommaOrSign) {
    const PointList two{{10, 90}, {20, 80}};
    EXPECT_EQ(VerticesOf("10,10 20,20"), two);
    EXPECT_EQ(VerticesOf("10 10 20 20"), two);
    EXPECT_EQ(VerticesOf("10,10\n20,20"), two);
    EXPECT_EQ(VerticesOf("10\t10\r\n20 , 20"), two);
    EXPECT_EQ(VerticesOf("10,10,20,20"), two);
    // A doubled space adds no vertex at the origin.
    EXPECT_EQ(VerticesOf("10,10  20,20"), two);
    // A minus sign starts the next number.
    EXPECT_EQ(VerticesOf("10-20 30-40"), (PointList{{10, 120}, {30, 140}}));
    // An exponent belongs to its number.
    EXPECT_EQ(VerticesOf("1e1,1E1 2e+1,.2e2"), two);
}

TEST(Polyline, OddAndUnreadableTailsAndSingleVerticesWriteOnlyWholePairs) {
    EXPECT_EQ(VerticesOf("10,10 20,20 30"), (PointList{{10, 90}, {20, 80}}));
    EXPECT_EQ(VerticesOf("10,10 20,20 x 30,30"), (PointList{{10, 90}, {20, 80}}));
    EXPECT_TRUE(PolylinesOf("10,10").empty());
    EXPECT_TRUE(PolylinesOf("10,10 20").empty());
    EXPECT_TRUE(PolylinesOf("").empty());
    EXPECT_TRUE(PolylinesOf(",10,10 20,20").empty());
    EXPECT_TRUE(PolylinesOf("10,,10 20,20").empty());
}

TEST(Polyline, ElementTransformMapsEveryVertex) {
    const auto lines = PolylinesOf("0,0 10,0", false, "translate(5,5)");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(vxtest::Points(lines[0]), (PointList{{5, 95}, {15, 95}}));
    // A transform the parser does not take leaves the points where they are.
    const auto turned = PolylinesOf("0,0 10,0", false, "rotate(90)");
    ASSERT_EQ(turned.size(), 1u);
    EXPECT_EQ(vxtest::Points(turned[0]), (PointList{{0, 100}, {10, 100}}));
}

TEST(Polyline, DashArrayPicksTheDocumentLineTypeOrByLayer) {
    ShapeDocument doc;
    ASSERT_EQ(doc.conv.m_dashes.size(), 0u);
    doc.conv.m_dashes.push_back(CDashData("Dash1", "5 3"));
    doc.conv.ConvertPolyline("", "0,0 1,1", " 5 3 ", false);
    doc.conv.ConvertPolyline("", "0,0 1,1", "none", false);
    doc.conv.ConvertPolyline("", "0,0 1,1", "7 7", false);
    const auto lines = doc.Entities("LWPOLYLINE");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].Str(6), "Dash1");
    EXPECT_EQ(lines[1].Str(6), "BYLAYER");
    EXPECT_EQ(lines[2].Str(6), "BYLAYER");
}
