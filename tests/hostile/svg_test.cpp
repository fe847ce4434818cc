#include <gtest/gtest.h>

#include "svg/layer_names.h"
#include "tests/support/convert_fixture.h"
#include "tests/support/dxf_groups.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

TEST(HostileLayerNames, CharactersBeyondAsciiBecomeOneUnderscoreEach) {
    EXPECT_EQ(vx::LayerNameFromId("caf\xc3\xa9"), "caf_");
    EXPECT_EQ(vx::LayerNameFromId("\xe2\x82\xac-plan"), "_-plan");
    // Bytes that form no character each stand alone.
    EXPECT_EQ(vx::LayerNameFromId("\xff\xfe\x80 a"), "__ a");
    EXPECT_EQ(vx::LayerNameFromId(" walls:1 "), "walls_1");
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

namespace {

// The first x of each LWPOLYLINE, rounded.
std::vector<long> FirstXs(const std::string& dxf) {
    std::vector<long> xs;
    for (const auto& line : vxtest::EntitiesOf(dxf, "LWPOLYLINE"))
        xs.push_back(std::lround(line.Reals(10)[0]));
    return xs;
}

TEST(SymbolLookup, ManySymbolsFirstOfAnIdWinsAndEachFileHasItsOwn) {
    std::string defs;
    for (int i = 0; i < 300; ++i)
        defs += "<symbol id=\"s" + std::to_string(i) + "\"><path d=\"M" + std::to_string(i) +
                " 0 h1\"/></symbol>";
    CSvgConverter conv;
    const std::string first = vxtest::ConvertSvg(
        conv,
        "<svg width=\"10\" height=\"10\"><defs>" + defs +
            "<symbol id=\"s7\"><path d=\"M999 0 h1\"/></symbol></defs>"
            "<use xlink:href=\"#s299\"/><use xlink:href=\"#s7\"/><use xlink:href=\"#s300\"/></svg>",
        "symbols_first");
    EXPECT_EQ(FirstXs(first), (std::vector<long>{329, 8}));  // 299 and 7, scaled by 1.1
    // The next file's definitions replace the last file's, though fewer of them.
    const std::string second = vxtest::ConvertSvg(
        conv,
        "<svg width=\"10\" height=\"10\"><symbol id=\"s9\"><path d=\"M42 0 h1\"/></symbol>"
        "<use xlink:href=\"#s9\"/><use xlink:href=\"#s8\"/></svg>",
        "symbols_second");
    EXPECT_EQ(FirstXs(second), (std::vector<long>{42}));
    // A file with as many symbols as the one before finds only its own, as it would alone.
    const std::string third =
        "<svg width=\"10\" height=\"10\"><symbol id=\"s5\"><path d=\"M77 0 h1\"/></symbol>"
        "<use xlink:href=\"#s9\"/><use xlink:href=\"#s5\"/></svg>";
    CSvgConverter fresh;
    EXPECT_EQ(FirstXs(vxtest::ConvertSvg(conv, third, "symbols_third")),
              FirstXs(vxtest::ConvertSvg(fresh, third, "symbols_alone")));
}

}  // namespace
