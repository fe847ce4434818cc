// Documents far beyond any real drawing in depth, breadth or length of a
// single value: each converts completely (no stack overflow, no quadratic
// work), and what was drawn is counted, not timed.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "base/text.h"
#include "tests/hostile/hostile_support.h"
#include "tests/support/convert_fixture.h"
#include "tests/support/shape_document.h"

using namespace vxtest;

TEST(HugeDocuments, HundredThousandNestedGroupsKeepWhatFitsAndCloseEveryGroup) {
    constexpr int kDepth = 100000;
    std::string svg = "<svg height=\"100\">";
    svg.reserve(size_t(kDepth) * 80);
    for (int i = 0; i < kDepth; ++i)
        svg += "<g id=\"n" + std::to_string(i) +
               "\" transform=\"translate(1,0)\"><line x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\"/>";
    for (int i = 0; i < kDepth; ++i) svg += "</g>";
    // After every group has closed, nothing of their transforms is left.
    svg += "<line x1=\"7\" y1=\"7\" x2=\"8\" y2=\"8\"/></svg>";

    const std::string dxf = ConvertSvg(svg, true, "nested");
    ASSERT_NE(dxf, "");
    const auto lines = EntitiesOf(dxf, "LINE");
    ASSERT_GE(lines.size(), 2u);
    // Elements too deep are left out; the levels above them are all there.
    EXPECT_GE(lines.size(), 200u);
    EXPECT_LT(lines.size(), size_t(kDepth));
    EXPECT_EQ(ValuesOf(lines.back(), {10, 20, 11, 21}), (Values{7, 93, 8, 92}));
    // Each drawn group line lies on its own group's layer, and that layer exists.
    std::set<std::string> layers;
    for (const Entity& entry : TableEntries(dxf, "LAYER")) layers.insert(entry.Str(2));
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        ASSERT_EQ(lines[i].Str(8), "n" + std::to_string(i));
        ASSERT_TRUE(layers.count(lines[i].Str(8))) << i;
    }
    EXPECT_EQ(FirstNonFiniteGroup(dxf), "");
}

TEST(HugeDocuments, MillionSiblingsAreAllWalked) {
    constexpr int kSiblings = 1000000;
    std::string svg = "<svg height=\"100\">";
    svg.reserve(size_t(kSiblings) * 12);
    // Every hundredth sibling draws; the rest are groups and unknown elements.
    for (int i = 0; i < kSiblings; ++i) {
        if (i % 100 == 0)
            svg += "<line x1=\"" + std::to_string(i / 100) + "\" y1=\"0\" x2=\"0\" y2=\"1\"/>";
        else
            svg += i % 2 ? "<g/>" : "<x a=\"1\"/>";
    }
    svg += "</svg>";

    const std::string dxf = ConvertSvg(svg, true, "siblings");
    ASSERT_NE(dxf, "");
    const auto lines = EntitiesOf(dxf, "LINE");
    ASSERT_EQ(lines.size(), size_t(kSiblings / 100));
    EXPECT_EQ(lines.front().Real(10), 0);
    EXPECT_EQ(lines.back().Real(10), kSiblings / 100 - 1);
}

TEST(HugeDocuments, HundredMegabyteAttributeValuesAreReadToTheirEnd) {
    constexpr size_t kSize = 100u << 20;
    // An unknown attribute of 100 MB, and a style whose one declaration that
    // counts comes after 100 MB of others.
    std::string svg = "<svg height=\"100\"><line x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\" data-x=\"";
    svg.reserve(2 * kSize + 1000);
    svg.append(kSize, 'A');
    svg += "\"/><path d=\"M0 0 L5 5\" style=\"";
    while (svg.size() < 2 * kSize) svg += "fill-rule:evenodd;";
    svg += "stroke:#0000ff\"/></svg>";

    const std::string dxf = ConvertSvg(svg, true, "long-value");
    svg = std::string();
    ASSERT_NE(dxf, "");
    ASSERT_EQ(EntitiesOf(dxf, "LINE").size(), 1u);
    const auto paths = EntitiesOf(dxf, "LWPOLYLINE");
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_EQ(paths[0].Int(62), 5);  // blue
}

TEST(HugeDocuments, FiftyMegabytePathDataIsReadToItsEnd) {
    constexpr size_t kSize = 50u << 20;
    // Ten million moves that draw nothing by themselves, then one line from
    // wherever they ended.
    std::string d = "M0 0";
    d.reserve(kSize + 100);
    while (d.size() < kSize) d += " m1 0";
    const size_t moves = (d.size() - 4) / 5;
    d += " l5 5";
    const std::string dxf =
        ConvertSvg(HostileSvg("<path style=\"fill:none;stroke:#000\" d=\"" + d + "\"/>"), true,
                   "long-d");
    ASSERT_NE(dxf, "");
    const auto paths = EntitiesOf(dxf, "LWPOLYLINE");
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_EQ(paths[0].Reals(10), (std::vector<double>{double(moves), double(moves) + 5}));
    EXPECT_EQ(paths[0].Reals(20), (std::vector<double>{100, 95}));
}

TEST(HugeDocuments, MillionClosepathsCloseOneOutlineOnce) {
    const std::string closes(1000000, 'Z');
    const std::string d = "M0 0 L10 0 L10 10 " + closes;
    const std::string dxf = ConvertSvg(
        HostileSvg("<path style=\"fill:none;stroke:#000\" d=\"" + d + "\"/>"
                   "<path style=\"fill:#f00;stroke:none\" d=\"" + d + " z z z\"/>"),
        true, "closepaths");
    ASSERT_NE(dxf, "");
    const auto outlines = EntitiesOf(dxf, "LWPOLYLINE");
    ASSERT_EQ(outlines.size(), 1u);
    EXPECT_EQ(outlines[0].Int(70) & 1, 1);
    EXPECT_EQ(outlines[0].Reals(10).size(), 3u);
    const auto hatches = EntitiesOf(dxf, "HATCH");
    ASSERT_EQ(hatches.size(), 1u);
    EXPECT_EQ(hatches[0].Int(91), 1);
}

TEST(HugeDocuments, HundredThousandCharacterIdMakesOneUsableLayer) {
    const std::string id(100000, 'w');
    const std::string dxf = ConvertSvg(
        HostileSvg("<g id=\"" + id + "\"><line x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\"/></g>"
                   "<g id=\"" + id + "x\"><line x1=\"0\" y1=\"0\" x2=\"2\" y2=\"2\"/></g>"),
        true, "long-id");
    ASSERT_NE(dxf, "");
    const auto lines = EntitiesOf(dxf, "LINE");
    ASSERT_EQ(lines.size(), 2u);
    // Two ids alike in their first thousands of characters: whatever their
    // layers are called, the table holds each name once.
    std::set<std::string> layers;
    for (const Entity& entry : TableEntries(dxf, "LAYER"))
        EXPECT_TRUE(layers.insert(vx::ToLower(entry.Str(2))).second);
    for (const Entity& line : lines) {
        EXPECT_TRUE(layers.count(vx::ToLower(line.Str(8))));
        // Table names longer than 255 characters are refused by CAD programs.
        EXPECT_LE(line.Str(8).size(), 255u);
        EXPECT_EQ(line.Str(8).substr(0, 10), "wwwwwwwwww");
    }
}

TEST(HugeDocuments, TenThousandDashPatternsAndFontsEachHaveOneTableEntry) {
    constexpr int kCount = 10000;
    std::string body;
    body.reserve(size_t(kCount) * 200);
    for (int i = 1; i <= kCount; ++i) {
        const std::string n = std::to_string(i);
        body += "<path d=\"M0 0 L1 1\" style=\"stroke:#000;stroke-dasharray:" + n + " 1\"/>";
        body += "<text x=\"0\" y=\"0\" style=\"font-size:2;font-family:Font" + n + "\">t</text>";
    }
    // Used twice: still one entry each.
    body += "<path d=\"M0 0 L1 1\" style=\"stroke:#000;stroke-dasharray:7 1\"/>";
    body += "<text x=\"0\" y=\"0\" style=\"font-size:2;font-family:Font7\">t</text>";
    const std::string dxf = ConvertSvg(HostileSvg(body), true, "tables");
    ASSERT_NE(dxf, "");

    std::map<std::string, double> dashOf;  // line type name -> first dash length
    for (const Entity& entry : TableEntries(dxf, "LTYPE"))
        if (entry.Int(73) == 2) {
            ASSERT_TRUE(dashOf.emplace(entry.Str(2), entry.Reals(49)[0]).second);
        }
    std::map<std::string, std::string> fontOf;  // style name -> font family
    for (const Entity& entry : TableEntries(dxf, "STYLE"))
        ASSERT_TRUE(fontOf.emplace(entry.Str(2), entry.Str(1000)).second);
    EXPECT_EQ(dashOf.size(), size_t(kCount));
    EXPECT_EQ(fontOf.size(), size_t(kCount) + 1);  // and the standard style

    const auto paths = EntitiesOf(dxf, "LWPOLYLINE");
    const auto texts = EntitiesOf(dxf, "TEXT");
    ASSERT_EQ(paths.size(), size_t(kCount) + 1);
    ASSERT_EQ(texts.size(), size_t(kCount) + 1);
    for (int i = 0; i <= kCount; ++i) {
        const int n = i < kCount ? i + 1 : 7;
        ASSERT_EQ(dashOf[paths[i].Str(6)], n) << i;
        ASSERT_EQ(fontOf[texts[i].Str(7)], "Font" + std::to_string(n)) << i;
    }
}
