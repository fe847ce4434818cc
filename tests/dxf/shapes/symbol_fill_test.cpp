#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/shape_document.h"

namespace {

using vxtest::Entity;
using vxtest::PointList;
using vxtest::Points;
using vxtest::ShapeDocument;

// The start points of a hatch's line edges.
PointList EdgeStarts(const Entity& hatch) {
    PointList starts;
    for (const Entity& edge : vxtest::HatchEdges(hatch))
        starts.emplace_back(edge.Real(10), edge.Real(20));
    return starts;
}

TEST(SymbolUse, PlacementLookupAndSubpaths) {
    ShapeDocument doc;
    doc.conv.Definitions().AddSymbol({"a", "M10 0 L20 0"});
    doc.conv.Definitions().AddSymbol({"b", "M0 0 L10 0 L10 10 z M20 0 L30 0 L30 10 z M5 5 M0 0 L0 1"});
    doc.classic.Use("", "5", "", " #a ");
    doc.classic.Use("translate(3,4)", "", "", "a");
    doc.classic.Use("", "", "", "#missing");
    doc.classic.Use("", "", "", "#");
    doc.classic.Use("", "", "", "b");
    const std::vector<Entity> lines = doc.Entities("LWPOLYLINE");
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(Points(lines[0]), (PointList{{16, 100}, {27, 100}}));
    EXPECT_EQ(Points(lines[1]), (PointList{{17, 92}, {28, 92}}));
    EXPECT_EQ(lines[2].Int(70), 1);
    // A closed polyline does not repeat its first vertex at the end.
    EXPECT_EQ(Points(lines[2]), (PointList{{0, 100}, {11, 100}, {11, 89}}));
    EXPECT_EQ(lines[3].Int(70), 1);
    EXPECT_EQ(Points(lines[4]), (PointList{{0, 100}, {0, 98.9}}));  // the lone moveto is skipped
}

TEST(PathFill, OneHatchWithALoopPerSubpath) {
    ShapeDocument doc;
    doc.conv.Walker().m_crFill = 0x0000FF;
    doc.classic.FillPath("", "M0 0 L10 0 L10 10 L0 10 z M20 0 L30 0 L30 10 L20 10 L20 0");
    doc.classic.FillPath("", "M0 0 L10 10 L20 20");  // no area: an outline
    const std::vector<Entity> all = doc.Entities();
    ASSERT_EQ(all.size(), 2u);
    ASSERT_EQ(all[0].type, "HATCH");
    EXPECT_EQ(all[0].Int(91), 2);
    EXPECT_EQ(all[0].Str(2), "SOLID");
    EXPECT_EQ(all[0].Int(62), 1);
    // The first square gets a closing edge; the second repeats its first point.
    EXPECT_EQ(all[0].Strs(93), (std::vector<std::string>{"4", "4"}));
    EXPECT_EQ(EdgeStarts(all[0]), (PointList{{0, 100}, {10, 100}, {10, 90}, {0, 90},
                                             {20, 100}, {30, 100}, {30, 90}, {20, 90}}));
    EXPECT_EQ(all[1].type, "LWPOLYLINE");
}

TEST(SymbolFill, SamePlacementAsTheOutlineAndLastSubpathFilled) {
    ShapeDocument doc;
    doc.conv.GroupTransforms().Push();
    doc.conv.GroupTransforms().ReadOwnTransform("translate(100 0)");
    doc.conv.Definitions().AddSymbol({"s", "M0 0 L10 0 L10 10"});
    doc.classic.FillUse("translate(3,4)", "5", "7", "#s");
    doc.classic.Use("translate(3,4)", "5", "7", "#s");
    doc.classic.FillUse("", "", "", "#nothing");
    doc.classic.FillUse("", "", "", "#");
    const std::vector<Entity> all = doc.Entities();
    ASSERT_EQ(all.size(), 2u);
    ASSERT_EQ(all[0].type, "HATCH");
    EXPECT_EQ(all[0].Int(91), 1);
    EXPECT_EQ(all[0].Strs(93), (std::vector<std::string>{"3"}));
    EXPECT_EQ(EdgeStarts(all[0]), Points(all[1]));
}

}  // namespace
