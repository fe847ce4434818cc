#include <gtest/gtest.h>

#include "tests/shapes/shape_document.h"

using vxtest::PointList;
using vxtest::ShapeDocument;

TEST(EntityAttributes, RecordCarriesLayerColourWidthAndLineType) {
    CSvgConverter conv;
    conv.m_strLayerName = "walls";
    const DL_Attributes a = conv.EntityAttributes(3, -1, "Dash2");
    EXPECT_EQ(a.getLayer(), "walls");
    EXPECT_EQ(a.getColor(), 3);
    EXPECT_EQ(a.getColor24(), -1);
    EXPECT_EQ(a.getWidth(), -1);
    EXPECT_EQ(a.getLinetype(), "Dash2");
    EXPECT_EQ(a.getLinetypeScale(), 1.0);
    EXPECT_EQ(a.getHandle(), -1);
    EXPECT_FALSE(a.isInPaperSpace());
    conv.m_strLayerName.clear();
    EXPECT_EQ(conv.EntityAttributes(0, 0, "").getLayer(), "0");
}

TEST(EntityAttributes, DashLineTypeTrimsAndFallsBackToByLayer) {
    CSvgConverter conv;
    conv.m_dashes.push_back(CDashData("Dash1", "5,3"));
    EXPECT_EQ(conv.DashLineType(" 5,3 "), "Dash1");
    EXPECT_EQ(conv.DashLineType("5, 3"), "BYLAYER");
    EXPECT_EQ(conv.DashLineType("none"), "BYLAYER");
    EXPECT_EQ(conv.DashLineType(""), "BYLAYER");
}

TEST(Line, TransformMapsBothEndsAndTheYAxisIsFlipped) {
    ShapeDocument doc;
    doc.conv.m_nColor = 1;
    doc.conv.ConvertLine("translate(5,5)", "0", "0", "10", "0");
    // A missing x2 runs to x = 0; a zero-length line is still written.
    doc.conv.ConvertLine("", "10", "20", "", "20");
    doc.conv.ConvertLine("", "7", "7", "7", "7");
    const auto lines = doc.Entities("LINE");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].Reals(10)[0], 5);
    EXPECT_EQ(lines[0].Real(20), 95);
    EXPECT_EQ(lines[0].Real(11), 15);
    EXPECT_EQ(lines[0].Real(21), 95);
    EXPECT_EQ(lines[0].Int(62), 1);
    EXPECT_EQ(lines[0].Int(370), 0);
    EXPECT_EQ(lines[1].Real(10), 10);
    EXPECT_EQ(lines[1].Real(20), 80);
    EXPECT_EQ(lines[1].Real(11), 0);
    EXPECT_EQ(lines[2].Real(11), 7);
}

TEST(Line, TakesTheCurrentLineTypeLeftByEllipsesAndPaths) {
    ShapeDocument doc;
    doc.conv.m_strLineType.clear();
    doc.conv.ConvertLine("", "0", "0", "1", "1");
    doc.conv.m_strLineType = "Dash1";
    doc.conv.ConvertLine("", "0", "0", "1", "1");
    doc.conv.ConvertEllipse(0, "", "5", "5", "2", "1", "", 1);
    doc.conv.ConvertLine("", "0", "0", "1", "1");
    const auto lines = doc.Entities("LINE");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].Str(6), "BYLAYER");
    EXPECT_EQ(lines[1].Str(6), "Dash1");
    EXPECT_EQ(lines[2].Str(6), "BYLAYER");
    EXPECT_EQ(doc.conv.m_strLineType, "BYLAYER");
}

TEST(Line, EntitiesGoOnTheCurrentLayer) {
    ShapeDocument doc;
    doc.conv.m_strLayerName = "walls";
    doc.conv.ConvertLine("", "0", "0", "1", "1");
    doc.conv.m_strLayerName.clear();
    doc.conv.ConvertLine("", "0", "0", "1", "1");
    const auto lines = doc.Entities("LINE");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Str(8), "walls");
    EXPECT_EQ(lines[1].Str(8), "0");
}

TEST(Line, GroupTransformsApplyAfterTheElementMatrix) {
    ShapeDocument doc;
    doc.conv.PushTransform();
    doc.conv.ParseGroupTransform("translate(10,10)");
    doc.conv.ConvertLine("matrix(1 0 0 1 5 5)", "0", "0", "1", "0");
    doc.conv.PopTransform();
    const auto lines = doc.Entities("LINE");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(vxtest::Points(lines[0]), (PointList{{15, 85}}));
}
