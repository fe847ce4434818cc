// Files that are not the drawings they claim to be: empty, random bytes,
// broken encodings, degenerate arcs, and real drawings cut off anywhere. A file
// without an svg element fails as no drawing and writes nothing; every other
// one converts, and the DXF is one readers take.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <random>
#include <string>

#include "tests/hostile/hostile_support.h"
#include "tests/support/convert_fixture.h"

using namespace vxtest;
namespace fs = std::filesystem;

namespace {

bool IsAscii(const std::string& text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// A complete DXF frame: banner first, end-of-file mark last, plain ASCII,
// finite numbers only.
void ExpectWholeDxf(const std::string& dxf) {
    ASSERT_NE(dxf, "");
    const std::vector<Group> groups = ParseGroups(dxf);
    ASSERT_GE(groups.size(), 2u);
    EXPECT_EQ(groups.front().code, 999);
    EXPECT_EQ(groups.back().value, "EOF");
    EXPECT_TRUE(IsAscii(dxf));
    EXPECT_EQ(FirstNonFiniteGroup(dxf), "");
}

std::string RandomBytes(unsigned seed, size_t size) {
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(byte(generator));
    return bytes;
}

}  // namespace

TEST(Garbage, FilesWithoutAnSvgElementFailAndWriteNothing) {
    const std::pair<const char*, std::string> notDrawings[] = {
        {"empty", ""},
        {"random", RandomBytes(7, 64 * 1024)},
        {"png", ReadFile(VX_SOURCE_DIR "/examples/checker.png")},
        {"words", "a plan, drawn some day"},
        {"xhtml", "<?xml version=\"1.0\"?><html><body><svgx><path d=\"M0 0 L9 9\"/>"},
    };
    CSvgConverter converter;
    CConvertOptions chosen = converter.Options();
    chosen.svgRules = vxtest::TestSvgRules();
    converter.SetOptions(chosen);
    for (const auto& [name, bytes] : notDrawings) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ConvertSvg(converter, bytes, name), "");
        EXPECT_EQ(converter.FailureReason(), "not an SVG drawing");
    }
    EXPECT_EQ(FilesBelow(TestOutputFolder()), std::vector<std::string>{});  // no temporary file either
    // An svg element is a drawing however bare, prefixed, deep or cut off it is.
    for (const char* svg : {"<svg/>", "<svg:svg xmlns:svg=\"http://www.w3.org/2000/svg\"/>",
                            "<html><body><SVG></SVG></body></html>", "<svg height=\"5\"><g"}) {
        SCOPED_TRACE(svg);
        const std::string dxf = ConvertSvg(converter, svg, "bare");
        ExpectWholeDxf(dxf);
        EXPECT_TRUE(EntitiesOf(dxf).empty());
    }
}

TEST(Garbage, RandomBytesInsideAnSvgElementConvertToAWholeDxf) {
    for (unsigned seed : {1u, 7u, 2024u}) {
        SCOPED_TRACE(seed);
        const std::string bytes = RandomBytes(seed, 64 * 1024);
        // Noise with tags among it.
        std::string tagged = "<svg height=\"100\">";
        for (size_t at = 0; at < bytes.size(); at += 512)
            tagged += bytes.substr(at, 512) + (at % 1024 ? "<path d=\"M0 0 L" : "<g id=\"");
        ExpectWholeDxf(ConvertSvg(tagged, true, "tagged" + std::to_string(seed)));
    }
}

TEST(Garbage, InvalidUtf8BytesBecomeLatin1Characters) {
    const std::string dxf = ConvertSvg(
        HostileSvg("<g id=\"l\xFF\xC3\"><text x=\"1\" y=\"2\" style=\"font-size:3;"
                   "font-family:F\xE9\">a\xFF\xFE" "b\xC3(\xED\xA0\x80\xC3\xA9</text></g>"),
        true, "utf8");
    ExpectWholeDxf(dxf);
    const auto texts = EntitiesOf(dxf, "TEXT");
    ASSERT_EQ(texts.size(), 1u);
    // Lone bytes, a cut-off sequence and an encoded surrogate are Latin-1
    // characters each; the valid "é" after them is read as one character.
    EXPECT_EQ(texts[0].Str(1),
              "a\\U+00FF\\U+00FEb\\U+00C3(\\U+00ED\\U+00A0\\U+0080\\U+00E9");
    // The layer and the style it names exist.
    bool layerFound = false, styleFound = false;
    for (const Entity& entry : TableEntries(dxf, "LAYER")) layerFound |= entry.Str(2) == texts[0].Str(8);
    for (const Entity& entry : TableEntries(dxf, "STYLE")) styleFound |= entry.Str(2) == texts[0].Str(7);
    EXPECT_TRUE(layerFound) << texts[0].Str(8);
    EXPECT_TRUE(styleFound) << texts[0].Str(7);
}

TEST(Garbage, ArcsWithVanishingRadiiReachTheirEndPoint) {
    const std::string dxf = ConvertSvg(
        HostileSvg("<path style=\"fill:none;stroke:#000\" d=\"M0 0 A1e-300 1e-300 0 0 1 10 0\"/>"
                   "<path style=\"fill:none;stroke:#000\" d=\"M0 0 A1e-300 10 30 1 0 10 10\"/>"
                   "<path style=\"fill:none;stroke:#000\" d=\"M0 0 a1e-300 1e-300 0 0 1 1e-300 0 "
                   "L5 5\"/>"),
        true, "tiny-arcs");
    ExpectWholeDxf(dxf);
    const auto paths = EntitiesOf(dxf, "LWPOLYLINE");
    ASSERT_EQ(paths.size(), 3u);
    const std::pair<double, double> ends[] = {{10, 100}, {10, 90}, {5, 95}};
    for (size_t i = 0; i < paths.size(); ++i) {
        SCOPED_TRACE(i);
        const std::vector<double> xs = paths[i].Reals(10), ys = paths[i].Reals(20);
        ASSERT_GE(xs.size(), 2u);
        EXPECT_NEAR(xs.front(), 0, 1e-9);
        EXPECT_NEAR(ys.front(), 100, 1e-9);
        EXPECT_NEAR(xs.back(), ends[i].first, 1e-6);
        EXPECT_NEAR(ys.back(), ends[i].second, 1e-6);
        // A radius too small for its end point grows to reach it: the arc
        // stays near its chord, never far out.
        for (size_t k = 0; k < xs.size(); ++k) {
            EXPECT_LE(std::fabs(xs[k] - 5), 20);
            EXPECT_LE(std::fabs(ys[k] - 95), 20);
        }
    }
}

TEST(Garbage, ExamplesCutOffAnywhereStillConvert) {
    constexpr size_t kStep = 97;
    const std::string input = TestInputFolder();
    // The pictures an example refers to lie next to it.
    for (const auto& entry : fs::directory_iterator(fs::path(VX_SOURCE_DIR) / "examples"))
        if (entry.path().extension() != ".svg")
            fs::copy_file(entry.path(), input + entry.path().filename().string(),
                          fs::copy_options::overwrite_existing);
    int converted = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(VX_SOURCE_DIR) / "examples")) {
        if (entry.path().extension() != ".svg") continue;
        const std::string whole = ReadFile(entry.path().string());
        const std::string stem = entry.path().stem().string();
        for (size_t cut = kStep; cut < whole.size(); cut += kStep) {
            SCOPED_TRACE(stem + " cut at " + std::to_string(cut));
            CSvgConverter converter;
            CConvertOptions chosen = converter.Options();
            chosen.svgRules = vxtest::TestSvgRules();
            chosen.imageFetch.allowNetwork = false;
            converter.SetOptions(chosen);
            const std::string piece = whole.substr(0, cut);
            const std::string dxf = ConvertSvg(converter, piece, stem + "-" + std::to_string(cut));
            // Cut before its svg element, a file is no drawing yet.
            if (piece.find("<svg") == std::string::npos) {
                EXPECT_EQ(converter.FailureReason(), "not an SVG drawing");
                continue;
            }
            ExpectWholeDxf(dxf);
            ++converted;
        }
    }
    EXPECT_GT(converted, 40);
}
