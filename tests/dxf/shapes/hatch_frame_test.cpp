#include <gtest/gtest.h>

#include "tests/support/shape_document.h"

using vxtest::ShapeDocument;

TEST(HatchFrame, AFrameWithoutLoopsWritesNoHatch) {
    ShapeDocument doc;
    const DL_HatchData none(0, true, 1.0, 0.0, "SOLID");
    const DL_Attributes attributes = doc.conv.Shapes().EntityAttributes(1, -1, "BYLAYER");
    doc.conv.Shapes().BeginHatch(none, attributes);
    doc.conv.Shapes().EndHatch(none, attributes);
    EXPECT_TRUE(doc.Entities().empty());
}

TEST(HatchFrame, FillLoopClosesOnlyOpenPointLists) {
    ShapeDocument doc;
    const DL_HatchData data(3, true, 1.0, 0.0, "SOLID");
    const DL_Attributes attributes = doc.conv.Shapes().EntityAttributes(1, -1, "BYLAYER");
    doc.conv.Shapes().BeginHatch(data, attributes);
    // Back at the start within 0.0001: no closing edge.
    doc.conv.Shapes().WriteFillLoop({{0, 0}, {10, 0}, {10, 10}, {0.00005, 0}});
    // 0.0002 away: a closing edge back to the start.
    doc.conv.Shapes().WriteFillLoop({{0, 0}, {10, 0}, {10, 10}, {0.0002, 0}});
    doc.conv.Shapes().WriteFillLoop({{0, 0}, {10, 0}, {10, 10}});
    doc.conv.Shapes().EndHatch(data, attributes);
    const auto hatches = doc.Entities("HATCH");
    ASSERT_EQ(hatches.size(), 1u);
    EXPECT_EQ(hatches[0].Int(91), 3);
    EXPECT_EQ(hatches[0].Reals(93), (std::vector<double>{3, 4, 3}));
    const auto edges = vxtest::HatchEdges(hatches[0]);
    ASSERT_EQ(edges.size(), 10u);
    EXPECT_EQ(edges[2].Real(11), 0.00005);
    EXPECT_EQ(edges[6].Real(10), 0.0002);
    EXPECT_EQ(edges[6].Real(11), 0);
    EXPECT_EQ(edges[9].Real(10), 10);
    EXPECT_EQ(edges[9].Real(21), 0);
}
