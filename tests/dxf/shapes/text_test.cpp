#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/convert_fixture.h"
#include "tests/support/shape_document.h"

using vxtest::Entity;
using vxtest::ShapeDocument;

namespace {

// One text written into a fresh document of height 100.
Entity OneText(const std::string& transform, const std::string& size = "12",
               const std::string& x = "10", const std::string& y = "20") {
    ShapeDocument doc;
    doc.classic.Text(transform, "", size, "Hi", x, y);
    const auto texts = doc.Entities("TEXT");
    return texts.size() == 1 ? texts[0] : Entity{};
}

}  // namespace

TEST(Text, PlainTextPlacementHeightWidthFactorAndStyle) {
    ShapeDocument doc;
    doc.conv.Walker().m_nColor = 5;
    doc.conv.Walker().m_strLineType = "Dash1";
    doc.conv.Walker().m_strLayerName = "labels";
    doc.classic.Text("", "", "12", "Hello", "10", "20");
    const auto texts = doc.Entities("TEXT");
    ASSERT_EQ(texts.size(), 1u);
    const Entity& t = texts[0];
    EXPECT_EQ(t.Real(10), 10);
    EXPECT_EQ(t.Real(20), 80);
    EXPECT_EQ(t.Real(30), 0);
    EXPECT_EQ(t.Real(11), 10);
    EXPECT_EQ(t.Real(21), 80);
    EXPECT_DOUBLE_EQ(t.Real(40), 9.6);
    EXPECT_DOUBLE_EQ(t.Real(41), 0.7);
    EXPECT_EQ(t.Real(50), 0);
    EXPECT_EQ(t.Str(50).find('-'), std::string::npos);
    EXPECT_EQ(t.Str(1), "Hello");
    EXPECT_EQ(t.Str(7), "Standard");
    EXPECT_EQ(t.Int(62), 5);
    EXPECT_EQ(t.Str(6), "Dash1");
    EXPECT_EQ(t.Str(8), "labels");
}

TEST(Text, TranslateMovesByOneOrTwoNumbers) {
    Entity t = OneText("translate(5,5)");
    EXPECT_EQ(t.Real(10), 15);
    EXPECT_EQ(t.Real(20), 75);
    EXPECT_DOUBLE_EQ(t.Real(40), 9.6);
    // A single number moves along x only.
    t = OneText("translate(5)");
    EXPECT_EQ(t.Real(10), 15);
    EXPECT_EQ(t.Real(20), 80);
    t = OneText("translate( 5 , 7 )");
    EXPECT_EQ(t.Real(10), 15);
    EXPECT_EQ(t.Real(20), 73);
    t = OneText("translate()");
    EXPECT_EQ(t.Real(10), 10);
    EXPECT_EQ(t.Real(20), 80);
    // Other functions are not read by text.
    t = OneText("rotate(30) scale(3)");
    EXPECT_EQ(t.Real(10), 10);
    EXPECT_DOUBLE_EQ(t.Real(40), 9.6);
}

TEST(Text, MatrixScalesHeightForEveryMatrixAndKeepsEntriesInPlace) {
    Entity t = OneText("matrix(1 0 0 1 30 40)");
    EXPECT_EQ(t.Str(50), "0.0");  // the angle -0 of atan2 is written without its sign
    EXPECT_EQ(t.Real(10), 40);
    EXPECT_EQ(t.Real(20), 40);
    EXPECT_DOUBLE_EQ(t.Real(40), 9.6);
    t = OneText("matrix(2 0 0 2 0 0)");
    EXPECT_EQ(t.Real(10), 20);
    EXPECT_EQ(t.Real(20), 60);
    EXPECT_DOUBLE_EQ(t.Real(40), 19.2);
    // Commas, blanks and a blank after the parenthesis are all separators.
    for (const char* text : {"matrix(1, 0, 0, 1, 10, 20)", "matrix( 1 0 0 1 10 20 )",
                             "matrix(1,0,0,1,10,20)", "matrix(1 0 0 1 10 20 99)"}) {
        t = OneText(text);
        EXPECT_EQ(t.Real(10), 20) << text;
        EXPECT_EQ(t.Real(20), 60) << text;
        EXPECT_DOUBLE_EQ(t.Real(40), 9.6) << text;
    }
    // A matrix wins over a translate in the same text.
    t = OneText("translate(100,100) matrix(1 0 0 1 1 1)");
    EXPECT_EQ(t.Real(10), 11);
}

TEST(Text, RotationKeepsItsSignAndHeightTakesTheScale) {
    const double c = std::cos(M_PI / 6), s = std::sin(M_PI / 6);
    auto matrix = [&](double k, double sign) {
        return "matrix(" + std::to_string(k * c) + " " + std::to_string(sign * k * s) + " " +
               std::to_string(-sign * k * s) + " " + std::to_string(k * c) + " 0 0)";
    };
    // Turned clockwise on screen (SVG y down) is clockwise in DXF too: a negative angle.
    Entity t = OneText(matrix(1, 1));
    EXPECT_NEAR(t.Real(50), -30, 1e-4);
    EXPECT_NEAR(t.Real(40), 9.6, 1e-5);
    t = OneText(matrix(1, -1));
    EXPECT_NEAR(t.Real(50), 30, 1e-4);
    t = OneText(matrix(2, 1));
    EXPECT_NEAR(t.Real(50), -30, 1e-4);
    EXPECT_NEAR(t.Real(40), 19.2, 1e-5);
    // Mirrored horizontally: turned by half a turn.
    t = OneText("matrix(-1 0 0 1 0 0)");
    EXPECT_NEAR(std::fabs(t.Real(50)), 180, 1e-9);
}

TEST(Text, HugeNumbersStayFinite) {
    const Entity t = OneText("matrix(1e300 1e300 0 1 1e300 0)", "1e300", "1e300", "1e300");
    for (int code : {10, 20, 40, 50}) EXPECT_TRUE(std::isfinite(t.Real(code))) << code;
    EXPECT_EQ(t.Str(40).find("inf"), std::string::npos);
}

TEST(Text, FontFallbacksAndStyleLookup) {
    ShapeDocument doc;
    doc.conv.Tables().AddFontFamily("Arial");
    doc.conv.Walker().m_strFontFamily = "Arial";
    doc.conv.Walker().m_strFontSize = "20";
    doc.classic.Text("", "", "", "a", "0", "0");           // both from the group
    doc.classic.Text("", "Courier", "10", "b", "0", "0");  // unknown family
    doc.classic.Text("", "none", "10", "c", "0", "0");
    doc.conv.Walker().m_strFontFamily.clear();
    doc.conv.Walker().m_strFontSize = "oops";
    doc.classic.Text("", "", "", "d", "0", "0");
    doc.classic.Text("", "", "", "", "0", "0");  // no content: nothing
    const auto texts = doc.Entities("TEXT");
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].Str(7), "Style-Arial");
    EXPECT_DOUBLE_EQ(texts[0].Real(40), 16);
    EXPECT_EQ(texts[1].Str(7), "Standard");
    EXPECT_DOUBLE_EQ(texts[1].Real(40), 8);
    EXPECT_EQ(texts[2].Str(7), "Standard");
    EXPECT_EQ(texts[3].Str(7), "Standard");
    EXPECT_EQ(texts[3].Real(40), 0);
}

TEST(Text, ContentEndsBeforeAClosingTagAndEntitiesAreDecoded) {
    ShapeDocument doc;
    doc.classic.Text("", "", "12", "Hello</text>", "0", "0");
    doc.classic.Text("", "", "12", "ab</tspan> tail", "0", "0");
    doc.classic.Text("", "", "12", " keep  blanks ", "0", "0");
    doc.classic.Text("", "", "12", "R&amp;D &lt;1&gt; &#65;&#x42;", "0", "0");
    const auto texts = doc.Entities("TEXT");
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].Str(1), "Hello");
    EXPECT_EQ(texts[1].Str(1), "ab");
    EXPECT_EQ(texts[2].Str(1), " keep  blanks ");
    EXPECT_EQ(texts[3].Str(1), "R&D <1> AB");
}

TEST(TextEndToEnd, EntitiesAndNonAsciiReachTheTextEntity) {
    const std::string dxf = vxtest::ConvertSvg(
        "<svg height=\"100\"><text x=\"1\" y=\"2\" font-size=\"10\">R&amp;D \xC3\xA9t\xC3\xA9</text></svg>");
    const auto texts = vxtest::EntitiesOf(dxf, "TEXT");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Str(1), "R&D \\U+00E9t\\U+00E9");
    EXPECT_DOUBLE_EQ(texts[0].Real(40), 8);
}

TEST(TextEndToEnd, TspanInheritsTheTextsFontAndTransform) {
    const std::string dxf = vxtest::ConvertSvg(
        "<svg height=\"100\"><text transform=\"translate(5,5)\" style=\"font-family:Arial;"
        "font-size:12px\"><tspan x=\"10\" y=\"20\">in</tspan></text>"
        "<tspan x=\"10\" y=\"20\">out</tspan></svg>");
    const auto texts = vxtest::EntitiesOf(dxf, "TEXT");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].Str(1), "in");
    EXPECT_DOUBLE_EQ(texts[0].Real(40), 9.6);
    EXPECT_EQ(texts[0].Str(7), "Style-Arial");
    EXPECT_EQ(texts[0].Real(10), 15);
    EXPECT_EQ(texts[0].Real(20), 75);
    EXPECT_EQ(texts[1].Str(1), "out");
    EXPECT_EQ(texts[1].Real(40), 0);
    EXPECT_EQ(texts[1].Str(7), "Standard");
    EXPECT_EQ(texts[1].Real(10), 10);
}
