#include <gtest/gtest.h>

#include "tests/support/shape_document.h"

using vxtest::ShapeDocument;
using vxtest::Values;
using vxtest::ValuesOf;

TEST(EntityAttributes, RecordCarriesLayerColourWidthAndLineType) {
    const DL_Attributes a = CShapeWriter::EntityAttributes("walls", 3, -1, "Dash2");
    EXPECT_EQ(a.getLayer(), "walls");
    EXPECT_EQ(a.getColor(), 3);
    EXPECT_EQ(a.getColor24(), -1);
    EXPECT_EQ(a.getWidth(), -1);
    EXPECT_EQ(a.getLinetype(), "Dash2");
    EXPECT_EQ(a.getLinetypeScale(), 1.0);
    EXPECT_EQ(a.getHandle(), -1);
    EXPECT_FALSE(a.isInPaperSpace());
    EXPECT_EQ(CShapeWriter::EntityAttributes("", 0, 0, "").getLayer(), "0");
}

TEST(EntityAttributes, LineTypeNameTrimsAndFallsBackToByLayer) {
    CSvgConverter conv;
    conv.Tables().AddDashPattern("5,3");
    EXPECT_EQ(conv.Tables().LineTypeName(" 5,3 "), "Dash1");
    EXPECT_EQ(conv.Tables().LineTypeName("5 2"), "BYLAYER");
    EXPECT_EQ(conv.Tables().LineTypeName("none"), "BYLAYER");
    EXPECT_EQ(conv.Tables().LineTypeName(""), "BYLAYER");
}

TEST(Line, EndsAreMappedAndFlippedOnTheCurrentLayer) {
    ShapeDocument doc;
    doc.conv.Walker().m_nColor = 1;
    doc.conv.Walker().m_strLayerName = "walls";
    doc.classic.Line("translate(5,5)", "0", "0", "10", "0");
    doc.conv.Walker().m_strLayerName.clear();
    doc.classic.Line("", "10", "20", "", "20");  // a missing x2 runs to 0
    doc.classic.Line("", "7", "7", "7", "7");    // zero length is still written
    doc.conv.GroupTransforms().Push();
    doc.conv.GroupTransforms().ReadOwnTransform("translate(10,10)");
    doc.classic.Line("matrix(1 0 0 1 5 5)", "0", "0", "1", "0");
    const auto lines = doc.Entities("LINE");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(ValuesOf(lines[0], {10, 20, 11, 21, 62, 370}), (Values{5, 95, 15, 95, 1, 0}));
    EXPECT_EQ(lines[0].Str(8), "walls");
    EXPECT_EQ(ValuesOf(lines[1], {10, 20, 11, 21}), (Values{10, 80, 0, 80}));
    EXPECT_EQ(lines[1].Str(8), "0");
    EXPECT_EQ(ValuesOf(lines[2], {10, 20, 11, 21}), (Values{7, 93, 7, 93}));
    EXPECT_EQ(ValuesOf(lines[3], {10, 20, 11, 21}), (Values{15, 85, 16, 85}));
}

TEST(Line, TakesTheCurrentLineTypeLeftByEllipsesAndPaths) {
    ShapeDocument doc;
    doc.classic.Line("", "0", "0", "1", "1");
    doc.conv.Walker().m_strLineType = "Dash1";
    doc.classic.Line("", "0", "0", "1", "1");
    doc.classic.Ellipse(0, "", "5", "5", "2", "1", "", 1);
    doc.classic.Line("", "0", "0", "1", "1");
    const auto lines = doc.Entities("LINE");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].Str(6) + lines[1].Str(6) + lines[2].Str(6), "BYLAYERDash1BYLAYER");
}
