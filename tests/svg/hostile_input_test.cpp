#include <gtest/gtest.h>

#include "tests/support/convert_fixture.h"
#include "tests/support/dxf_groups.h"

namespace {

TEST(HostileLayerNames, CharactersBeyondAsciiBecomeOneUnderscoreEach) {
    EXPECT_EQ(CSvgConverter::LayerNameFromId("caf\xc3\xa9"), "caf_");
    EXPECT_EQ(CSvgConverter::LayerNameFromId("\xe2\x82\xac-plan"), "_-plan");
    // Bytes that form no character each stand alone.
    EXPECT_EQ(CSvgConverter::LayerNameFromId("\xff\xfe\x80 a"), "__ a");
    EXPECT_EQ(CSvgConverter::LayerNameFromId(" walls:1 "), "walls_1");
}

TEST(HostileLayerNames, ReadersAcceptLayersOfIdsBeyondAscii) {
    // The written file goes through the reader audit with the other test output.
    const std::string dxf = vxtest::ConvertSvg(
        "<svg width=\"10\" height=\"10\"><g id=\"caf\xc3\xa9\"><line x1=\"0\" y1=\"0\" x2=\"5\" "
        "y2=\"5\" stroke=\"red\"/></g><g id=\"\xff\xfe\x80\xc0\"><circle cx=\"1\" cy=\"1\" r=\"1\"/>"
        "</g></svg>",
        true, "layers_beyond_ascii");
    ASSERT_FALSE(dxf.empty());
    const auto lines = vxtest::EntitiesOf(dxf, "LINE");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Str(8), "caf_");
    const auto circles = vxtest::EntitiesOf(dxf, "CIRCLE");
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].Str(8), "___");
    EXPECT_EQ(dxf.find("\\U+"), std::string::npos);
}

}  // namespace
