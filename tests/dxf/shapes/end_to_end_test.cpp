// Shapes converted from SVG text; every file written here is also checked by
// a real DXF reader (dxf_audit_all).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/support/convert_fixture.h"
#include "tests/support/shape_document.h"

using vxtest::Entity;
using vxtest::PointList;

namespace {

std::string Svg(const std::string& body) {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" height=\"100\">" + body + "</svg>";
}

std::vector<std::string> Types(const std::string& dxf) {
    std::vector<std::string> types;
    for (const Entity& e : vxtest::EntitiesOf(dxf)) types.push_back(e.type);
    return types;
}

using TypeList = std::vector<std::string>;

}  // namespace

TEST(ShapesFromSvg, PolygonClosesAndPointsListsTakeAnySeparator) {
    const std::string dxf = vxtest::ConvertSvg(Svg(
        "<polygon points=\"10,10\n20,20\t30,10\"/>"
        "<polyline points=\"10-20 30-40\" stroke-dasharray=\"none\"/>"));
    const auto lines = vxtest::EntitiesOf(dxf, "LWPOLYLINE");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Int(70), 1);
    EXPECT_EQ(vxtest::Points(lines[0]), (PointList{{10, 90}, {20, 80}, {30, 90}}));
    EXPECT_EQ(lines[1].Int(70), 0);
    EXPECT_EQ(vxtest::Points(lines[1]), (PointList{{10, 120}, {30, 140}}));
}

TEST(ShapesFromSvg, RectInsideATranslatedGroup) {
    const std::string dxf = vxtest::ConvertSvg(
        "<svg height=\"200\"><g transform=\"translate(100,0)\">"
        "<rect x=\"10\" y=\"20\" width=\"5\" height=\"5\"/></g></svg>");
    const auto lines = vxtest::EntitiesOf(dxf, "LWPOLYLINE");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(vxtest::Points(lines[0])[0], (std::pair<double, double>(110, 180)));
}

TEST(ShapesFromSvg, FilledRectsFollowTheFillOptionCirclesDoNot) {
    const std::string body =
        "<rect x=\"0\" y=\"0\" width=\"10\" height=\"10\" fill=\"red\"/>"
        "<rect x=\"20\" y=\"0\" width=\"10\" height=\"10\" rx=\"2\" ry=\"3\" fill=\"red\"/>"
        "<circle cx=\"50\" cy=\"50\" r=\"5\" fill=\"blue\" stroke=\"black\"/>";
    EXPECT_EQ(Types(vxtest::ConvertSvg(Svg(body), true, "with-fill")),
              (TypeList{"HATCH", "HATCH", "HATCH", "CIRCLE"}));
    EXPECT_EQ(Types(vxtest::ConvertSvg(Svg(body), false, "without-fill")),
              (TypeList{"LWPOLYLINE", "LINE", "ELLIPSE", "LINE", "ELLIPSE", "LINE", "ELLIPSE",
                        "LINE", "ELLIPSE", "HATCH", "CIRCLE"}));
    // Both: each hatch is followed by its boundary, a path to cut in the
    // hatch's layer and colour; a whole circle stays a circle.
    const std::string dxf = vxtest::ConvertSvg(Svg(body), kFillBoth, "with-boundaries");
    EXPECT_EQ(Types(dxf), (TypeList{"HATCH", "LWPOLYLINE", "HATCH", "LWPOLYLINE", "HATCH",
                                    "CIRCLE", "CIRCLE"}));
    const std::vector<Entity> entities = vxtest::EntitiesOf(dxf);
    for (size_t hatch : {0u, 2u, 4u}) {
        EXPECT_EQ(entities[hatch + 1].Str(8), entities[hatch].Str(8));
        EXPECT_EQ(entities[hatch + 1].Int(62), entities[hatch].Int(62));
    }
    EXPECT_EQ(entities[1].Int(70), 1);
    EXPECT_EQ(vxtest::Points(entities[1]), (PointList{{0, 100}, {10, 100}, {10, 90}, {0, 90}}));
    EXPECT_EQ(entities[3].Int(70), 1);
    EXPECT_GT(vxtest::Points(entities[3]).size(), 4u);  // the rounded corners, flattened
    EXPECT_EQ(entities[5].Real(40), 5);
    // Circular corners are arcs of the cut path: each a quarter turn, bulge tan(pi / 8).
    const auto round = vxtest::EntitiesOf(vxtest::ConvertSvg(
        Svg("<rect x='20' width='10' height='10' rx='2' fill='red'/>"), kFillBoth, "round-corners"),
        "LWPOLYLINE");
    ASSERT_EQ(round.size(), 1u);
    EXPECT_EQ(vxtest::Points(round[0]).size(), 8u);
    int arcs = 0;
    for (double bulge : round[0].Reals(42)) arcs += std::fabs(bulge - std::tan(M_PI / 8)) < 1e-9;
    EXPECT_EQ(arcs, 4);
}

TEST(ShapesFromSvg, LineAfterAnEllipseTakesItsLineType) {
    const std::string dxf = vxtest::ConvertSvg(Svg(
        "<ellipse cx=\"50\" cy=\"50\" rx=\"20\" ry=\"10\" fill=\"green\"/>"
        "<ellipse cx=\"50\" cy=\"50\" rx=\"0\" ry=\"10\"/>"
        "<line x1=\"0\" y1=\"0\" x2=\"10\" y2=\"0\" stroke=\"red\"/>"));
    EXPECT_EQ(Types(dxf), (TypeList{"HATCH", "LWPOLYLINE", "LINE"}));
    const auto lines = vxtest::EntitiesOf(dxf, "LINE");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Str(6), "BYLAYER");
}

TEST(ShapesFromSvg, NegativeAndSqueezedRadiiStillGiveValidEllipses) {
    // Every file here is read back by dxf_audit_all, which rejects a negative
    // axis ratio or a zero major axis.
    const std::string dxf = vxtest::ConvertSvg(Svg(
        "<ellipse cx=\"50\" cy=\"50\" rx=\"-5\" ry=\"10\" fill=\"red\" stroke=\"blue\"/>"
        "<rect x=\"10\" y=\"10\" width=\"30\" height=\"20\" rx=\"-2\" ry=\"6\"/>"
        "<ellipse cx=\"5\" cy=\"5\" rx=\"4\" ry=\"2\" stroke=\"red\" transform=\"scale(0,0)\"/>"));
    const auto ellipses = vxtest::EntitiesOf(dxf, "ELLIPSE");
    ASSERT_EQ(ellipses.size(), 5u);  // the first ellipse and four corners; the squeezed one is gone
    EXPECT_DOUBLE_EQ(ellipses[0].Real(40), 0.5);
    EXPECT_DOUBLE_EQ(ellipses[0].Real(21), -10.0);
    for (size_t i = 1; i < ellipses.size(); ++i) EXPECT_NEAR(ellipses[i].Real(40), 1.0 / 3, 1e-12);
    EXPECT_EQ(vxtest::EntitiesOf(dxf, "HATCH").size(), 1u);
}

// With both, every filled shape gains exactly one boundary, whatever was
// filled before it: the hatches' own entities stay as the plain fill writes them.
TEST(ShapesFromSvg, EachFilledShapeGainsItsOwnBoundaryOnly) {
    const std::string body =
        "<circle cx=\"10\" cy=\"10\" r=\"5\" fill=\"blue\"/>"
        "<rect x=\"20\" y=\"0\" width=\"10\" height=\"10\" fill=\"red\"/>"
        "<circle cx=\"50\" cy=\"10\" r=\"4\" fill=\"blue\"/>"
        "<rect x=\"60\" y=\"0\" width=\"10\" height=\"10\" fill=\"red\"/>";
    const auto count = [](const std::vector<std::string>& types, const char* type) {
        return std::count(types.begin(), types.end(), type);
    };
    const TypeList fill = Types(vxtest::ConvertSvg(Svg(body), true, "fill-only"));
    const TypeList both = Types(vxtest::ConvertSvg(Svg(body), kFillBoth, "fill-and-boundaries"));
    EXPECT_EQ(count(both, "HATCH"), 4);
    EXPECT_EQ(count(fill, "HATCH"), 4);
    EXPECT_EQ(count(both, "CIRCLE"), count(fill, "CIRCLE") + 2);
    EXPECT_EQ(count(both, "LWPOLYLINE"), count(fill, "LWPOLYLINE") + 2);
    EXPECT_EQ(both.size(), fill.size() + 4);
}

// A rectangle of negative height or width keeps the corners its radii give
// (each at most half its side's length), as valid ellipses.
TEST(ShapesFromSvg, RoundedCornersOfANegativeSizeKeepTheirRadii) {
    for (const char* rect : {"<rect x=\"10\" y=\"40\" width=\"30\" height=\"-20\" rx=\"5\" ry=\"4\"/>",
                             "<rect x=\"40\" y=\"10\" width=\"-30\" height=\"20\" rx=\"5\" ry=\"4\"/>"}) {
        SCOPED_TRACE(rect);
        const auto ellipses = vxtest::EntitiesOf(vxtest::ConvertSvg(Svg(rect)), "ELLIPSE");
        ASSERT_EQ(ellipses.size(), 4u);
        for (const Entity& corner : ellipses) {
            EXPECT_DOUBLE_EQ(std::hypot(corner.Real(11), corner.Real(21)), 5);
            EXPECT_DOUBLE_EQ(corner.Real(40), 0.8);
        }
    }
}
