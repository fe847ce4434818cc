#include <gtest/gtest.h>

#include "tests/support/shape_document.h"

using vxtest::Entity;
using vxtest::PointList;
using vxtest::ShapeDocument;
using vxtest::Values;
using vxtest::ValuesOf;

namespace {

std::vector<Entity> PolylinesOf(const std::string& points, bool closed = false,
                                const std::string& transform = "") {
    ShapeDocument doc;
    doc.classic.Polyline(transform, points, "", closed);
    return doc.Entities("LWPOLYLINE");
}

// The vertices of the one polyline written, checked against its vertex count.
PointList VerticesOf(const std::string& points) {
    const std::vector<Entity> lines = PolylinesOf(points);
    if (lines.size() != 1) return {};
    EXPECT_EQ(lines[0].Int(90), int(lines[0].Reals(10).size())) << points;
    return vxtest::Points(lines[0]);
}

}  // namespace

TEST(Polyline, PolylineIsOpenPolygonClosedBothInTheCurrentColour) {
    ShapeDocument doc;
    doc.conv.Walker().m_nColor = 5;
    doc.classic.Polyline("", "  10,10 20,20 30,10  ", "", false);
    doc.classic.Polyline("", "10,10 20,20 30,10", "", true);
    const auto lines = doc.Entities("LWPOLYLINE");
    ASSERT_EQ(lines.size(), 2u);
    // vertex count, flags, colour, line weight
    EXPECT_EQ(ValuesOf(lines[0], {90, 70, 62, 370}), (Values{3, 0, 5, 0}));
    EXPECT_EQ(ValuesOf(lines[1], {90, 70, 62, 370}), (Values{3, 1, 5, 0}));
    EXPECT_EQ(lines[0].Str(6), "BYLAYER");
    EXPECT_EQ(vxtest::Points(lines[0]), (PointList{{10, 90}, {20, 80}, {30, 90}}));
    EXPECT_EQ(vxtest::Points(lines[1]), vxtest::Points(lines[0]));
    // Each vertex carries zero start and end widths.
    EXPECT_EQ(lines[0].Reals(40), (Values{0, 0, 0}));
    EXPECT_EQ(lines[0].Reals(41), (Values{0, 0, 0}));
}

TEST(Polyline, PointsAreSeparatedByAnyWhiteSpaceCommaOrSign) {
    const PointList two{{10, 90}, {20, 80}};
    EXPECT_EQ(VerticesOf("10,10 20,20"), two);
    EXPECT_EQ(VerticesOf("10 10 20 20"), two);
    EXPECT_EQ(VerticesOf("10,10\n20,20"), two);
    EXPECT_EQ(VerticesOf("10\t10\r\n20 , 20"), two);
    EXPECT_EQ(VerticesOf("10,10,20,20"), two);
    EXPECT_EQ(VerticesOf("10,10  20,20"), two);  // no vertex at the origin
    EXPECT_EQ(VerticesOf("10-20 30-40"), (PointList{{10, 120}, {30, 140}}));
    EXPECT_EQ(VerticesOf("1e1,1E1 2e+1,.2e2"), two);
    EXPECT_EQ(VerticesOf("10.5.5 20-2e1"), (PointList{{10.5, 99.5}, {20, 120}}));  // packed
}

TEST(Polyline, OddAndUnreadableTailsAndSingleVerticesWriteOnlyWholePairs) {
    EXPECT_EQ(VerticesOf("10,10 20,20 30"), (PointList{{10, 90}, {20, 80}}));
    EXPECT_EQ(VerticesOf("10,10 20,20 x 30,30"), (PointList{{10, 90}, {20, 80}}));
    for (const char* few : {"10,10", "10,10 20", "", ",10,10 20,20", "10,,10 20,20"})
        EXPECT_TRUE(PolylinesOf(few).empty()) << few;
}

TEST(Polyline, ElementTransformMapsEveryVertexUnlessUnreadable) {
    const auto moved = PolylinesOf("0,0 10,0", false, "translate(5,5)");
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(vxtest::Points(moved[0]), (PointList{{5, 95}, {15, 95}}));
    const auto turned = PolylinesOf("0,0 10,0", false, "rotate(90)");
    ASSERT_EQ(turned.size(), 1u);
    EXPECT_EQ(vxtest::Points(turned[0]), (PointList{{0, 100}, {10, 100}}));
}

TEST(Polyline, DashArrayPicksTheDocumentLineTypeOrByLayer) {
    ShapeDocument doc;
    doc.conv.Tables().AddDashPattern("5 3");
    for (const char* dash : {" 5 3 ", "none", "7 7"}) doc.classic.Polyline("", "0,0 1,1", dash, false);
    const auto lines = doc.Entities("LWPOLYLINE");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].Str(6) + lines[1].Str(6) + lines[2].Str(6), "Dash1BYLAYERBYLAYER");
}
