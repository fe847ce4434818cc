// Colour texts, the nearest palette colour and the colours of text styles.
#include <gtest/gtest.h>

#include "convert/svg_converter.h"
#include "svg/colors.h"
#include "dxf/dxf_palette.h"

namespace {

uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

uint32_t Parse(std::string_view text, bool* known = nullptr) {
    return vx::ParseColor(text, known);
}

bool IsKnown(std::string_view text) {
    bool known = true;
    Parse(text, &known);
    return known;
}

}  // namespace

TEST(ParseColor, HexFormsInEitherCase) {
    EXPECT_EQ(Parse("#FF0000"), Rgb(255, 0, 0));
    EXPECT_EQ(Parse("#ff0000"), Rgb(255, 0, 0));
    EXPECT_EQ(Parse("#12aB9c"), Rgb(0x12, 0xAB, 0x9C));
    // Three digits expand each digit.
    EXPECT_EQ(Parse("#fff"), Rgb(255, 255, 255));
    EXPECT_EQ(Parse("#FFF"), Rgb(255, 255, 255));
    EXPECT_EQ(Parse("#f00"), Rgb(255, 0, 0));
    EXPECT_EQ(Parse("#AbC"), Rgb(0xAA, 0xBB, 0xCC));
    EXPECT_EQ(Parse("#777"), Rgb(0x77, 0x77, 0x77));
}

TEST(ParseColor, OtherHexLengthsAndPaintServersAreBlackButKnown) {
    for (std::string_view text : {"url(#grad)", "#ff00", "#ff0000 ", "#", "#fffffff"}) {
        bool known = false;
        EXPECT_EQ(Parse(text, &known), 0u) << text;
        EXPECT_TRUE(known) << text;
    }
    EXPECT_EQ(Parse("#gg0000"), 0u);  // characters that are no hex digits count 0
}

TEST(ParseColor, KeywordsIgnoreLetterCase) {
    EXPECT_EQ(Parse("red"), Rgb(255, 0, 0));
    EXPECT_EQ(Parse("Red"), Rgb(255, 0, 0));
    EXPECT_EQ(Parse("WHITE"), Rgb(255, 255, 255));
    EXPECT_EQ(Parse("green"), Rgb(0, 255, 0));  // full green, unlike CSS
    EXPECT_EQ(Parse("Green"), Rgb(0, 255, 0));
    EXPECT_EQ(Parse("orange"), Rgb(255, 165, 0));
    // The ends and the middle of the keyword table.
    EXPECT_EQ(Parse("aliceblue"), Rgb(240, 248, 255));
    EXPECT_EQ(Parse("YellowGreen"), Rgb(154, 205, 50));
    EXPECT_EQ(Parse("lightgoldenrodyellow"), Rgb(250, 250, 210));
    EXPECT_EQ(Parse("grey"), Rgb(128, 128, 128));
    EXPECT_EQ(Parse("MediumSpringGreen"), Rgb(0, 250, 154));
    EXPECT_TRUE(IsKnown("black"));
    EXPECT_FALSE(IsKnown("lightgoldenrodyellowx"));
    EXPECT_FALSE(IsKnown("rebeccapurple"));
}

TEST(ParseColor, FunctionalFormsAreClamped) {
    EXPECT_EQ(Parse("rgb(255,0,0)"), Rgb(255, 0, 0));
    EXPECT_EQ(Parse("rgb(255, 0, 0)"), Rgb(255, 0, 0));
    EXPECT_EQ(Parse("rgb(100%, 0%, 0%)"), Rgb(255, 0, 0));
    EXPECT_EQ(Parse("rgb(50%,20% ,0%)"), Rgb(128, 51, 0));
    EXPECT_EQ(Parse("rgb(300,-5,0)"), Rgb(255, 0, 0));
    EXPECT_EQ(Parse("rgb(150%,-10%,99999999999)"), Rgb(255, 0, 255));
    EXPECT_EQ(Parse("rgba(10,20,30,0.5)"), Rgb(10, 20, 30));
}

TEST(ParseColor, TextsOfNoKnownFormLeaveKnownFalse) {
    for (std::string_view text : {"currentColor", "inherit", "rgb(1,2)", "", "none", " red", "rgb(1 2 3)"}) {
        bool known = true;
        EXPECT_EQ(Parse(text, &known), 0u) << text;
        EXPECT_FALSE(known) << text;
    }
    EXPECT_EQ(Parse("currentColor"), 0u);  // without the flag
}

TEST(NearestDxfColor, PaletteMatchesAndNearestEntries) {
    EXPECT_EQ(vx::NearestDxfColor(Rgb(255, 255, 255)), 7);
    EXPECT_EQ(vx::NearestDxfColor(0), 0);
    EXPECT_EQ(vx::NearestDxfColor(Parse("#fff")), 7);
    EXPECT_EQ(vx::NearestDxfColor(Parse("green")), 3);
    // Exact duplicates (red is 1 and 10) and equal distances (19 from 0 and from 18)
    // go to the lower index.
    EXPECT_EQ(vx::NearestDxfColor(Rgb(255, 0, 0)), 1);
    EXPECT_EQ(vx::NearestDxfColor(Rgb(19, 0, 0)), 0);
    // Greys, pale tints and colours between entries.
    EXPECT_EQ(vx::NearestDxfColor(Rgb(128, 128, 128)), 251);
    EXPECT_EQ(vx::NearestDxfColor(Rgb(100, 100, 100)), 250);
    EXPECT_EQ(vx::NearestDxfColor(Rgb(200, 200, 200)), 9);
    EXPECT_EQ(vx::NearestDxfColor(Rgb(240, 240, 240)), 7);
    EXPECT_EQ(vx::NearestDxfColor(Rgb(255, 128, 128)), 11);
    EXPECT_EQ(vx::NearestDxfColor(Rgb(200, 0, 0)), 12);
    EXPECT_EQ(vx::NearestDxfColor(Rgb(0, 128, 0)), 94);
    EXPECT_EQ(vx::NearestDxfColor(Rgb(255, 165, 0)), 40);
    // A stray top byte does not change the answer.
    EXPECT_EQ(vx::NearestDxfColor(0xFF000000u | Rgb(255, 255, 255)), 7);
}

TEST(NearestDxfColor, RepeatedAndInterleavedColoursGiveTheSameAnswers) {
    // Many colours share the remembered answers' slots; each must keep its own.
    std::vector<int> first;
    for (uint32_t v = 0; v < 4096; ++v) first.push_back(vx::NearestDxfColor(v * 4099u & 0xFFFFFF));
    for (uint32_t v = 4096; v-- > 0;)
        ASSERT_EQ(vx::NearestDxfColor(v * 4099u & 0xFFFFFF), first[v]) << v;
}

TEST(ParseTextStyle, FontsAndFillColour) {
    CSvgConverter conv;
    conv.Walker().m_crStroke = conv.Walker().m_crFill = Rgb(255, 0, 0);
    conv.Walker().m_nColor = 1;
    std::string size = "x", family = "y";
    conv.Walker().ParseTextStyle("fill : none ;font-size:10", size, family);
    EXPECT_EQ(size, "10");
    EXPECT_EQ(family, "");
    EXPECT_EQ(conv.Walker().m_crStroke, Rgb(255, 0, 0));
    EXPECT_EQ(conv.Walker().m_crFill, Rgb(255, 0, 0));
    EXPECT_EQ(conv.Walker().m_nColor, 1);

    // The fill becomes the stroke colour too; blanks around names and values go.
    conv.Walker().ParseTextStyle("font-family : Arial ;fill:\t#0000ff ;font-size: 12px", size, family);
    EXPECT_EQ(size, "12px");
    EXPECT_EQ(family, "Arial");
    EXPECT_EQ(conv.Walker().m_crStroke, Rgb(0, 0, 255));
    EXPECT_EQ(conv.Walker().m_crFill, Rgb(0, 0, 255));
    EXPECT_EQ(conv.Walker().m_nColor, 5);

    // The colour number is recomputed only when the stroke colour changes.
    conv.Walker().m_nColor = 42;
    conv.Walker().m_crFill = 0;
    conv.Walker().ParseTextStyle("fill:blue", size, family);
    EXPECT_EQ(conv.Walker().m_nColor, 42);
    EXPECT_EQ(conv.Walker().m_crFill, Rgb(0, 0, 255));
    EXPECT_EQ(size, "");

    // A colour of no known form leaves both colours as they were.
    conv.Walker().ParseTextStyle("fill:currentColor", size, family);
    EXPECT_EQ(conv.Walker().m_crStroke, Rgb(0, 0, 255));
    EXPECT_EQ(conv.Walker().m_crFill, Rgb(0, 0, 255));
}
