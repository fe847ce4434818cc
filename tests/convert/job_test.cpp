// The conversion job end to end: names, progress steps, failures, and what is
// reset from one file to the next.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "convert/svg_converter.h"
#include "tests/support/convert_fixture.h"
#include "tests/support/dxf_groups.h"
#include "tests/support/recorders.h"

using namespace vxtest;
namespace fs = std::filesystem;

namespace {

std::string Svg(const std::string& body) {
    return "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" height=\"100\">\n" +
           body + "\n</svg>\n";
}

}  // namespace

TEST(Job, ProgressClimbsInEqualSharesPerTopLevelChild) {
    CSvgConverter converter;
    RecordingProgress progress;
    converter.SetProgressSink(&progress);
    ASSERT_NE(ConvertSvg(converter, Svg("<g/><g/><g/>"), "three"), "");
    EXPECT_EQ(progress.positions, (std::vector<int>{0, 5, 12, 15, 41, 68, 95, 100}));
    ASSERT_EQ(progress.shown.size(), 1u);
    EXPECT_NE(progress.shown[0].find("three.svg"), std::string::npos);
    EXPECT_FALSE(progress.visible);

    progress.positions.clear();
    ASSERT_NE(ConvertSvg(converter, Svg("<g/><g/><g/><g/>"), "four"), "");
    EXPECT_EQ(progress.positions, (std::vector<int>{0, 5, 12, 15, 35, 55, 75, 95, 100}));

    progress.positions.clear();
    ASSERT_NE(ConvertSvg(converter, "<svg/>", "empty"), "");
    EXPECT_EQ(progress.positions, (std::vector<int>{0, 5, 12, 15, 100}));
}

TEST(Job, MissingInputFailsBeforeProgressAndWritesNothing) {
    CSvgConverter converter;
    RecordingProgress progress;
    converter.SetProgressSink(&progress);
    CConvertOptions chosen = converter.Options();
    chosen.outputFolder = TestOutputFolder();
    converter.SetOptions(chosen);
    std::string outName;
    EXPECT_FALSE(converter.ConvertFile(TestInputFolder() + "missing.svg", outName));
    EXPECT_EQ(outName, "missing.dxf");
    EXPECT_TRUE(progress.shown.empty());
    EXPECT_TRUE(progress.positions.empty());
    EXPECT_FALSE(fs::exists(converter.Options().outputFolder + "missing.dxf"));
}

TEST(Job, UnwritableOutputFolderFailsAndKeepsNoPartialFile) {
    CSvgConverter converter;
    const std::string input = TestInputFolder() + "a.svg";
    WriteFile(input, Svg("<line x1=\"0\" y1=\"0\" x2=\"5\" y2=\"5\"/>"));
    CConvertOptions chosen = converter.Options();
    chosen.outputFolder = TestInputFolder() + "no/such/folder/";
    converter.SetOptions(chosen);
    std::string outName;
    EXPECT_FALSE(converter.ConvertFile(input, outName));
    EXPECT_FALSE(fs::exists(converter.Options().outputFolder));
}

TEST(Job, FailedRewriteLeavesEarlierDxfUntouched) {
    if (geteuid() == 0) GTEST_SKIP() << "root ignores folder permissions";
    CSvgConverter converter;
    const std::string folder = TestInputFolder() + "locked/";
    fs::create_directories(folder);
    WriteFile(folder + "a.dxf", "earlier");
    const std::string input = TestInputFolder() + "a.svg";
    WriteFile(input, Svg(""));
    chmod(folder.c_str(), 0555);
    CConvertOptions chosen = converter.Options();
    chosen.outputFolder = folder;
    converter.SetOptions(chosen);
    std::string outName;
    EXPECT_FALSE(converter.ConvertFile(input, outName));
    chmod(folder.c_str(), 0755);
    EXPECT_EQ(ReadFile(folder + "a.dxf"), "earlier");
}

TEST(Job, BrokenXmlConvertsWhatWasParsed) {
    const std::string dxf = ConvertSvg(
        "<svg height=\"100\"><line x1=\"0\" y1=\"0\" x2=\"5\" y2=\"5\"/>"
        "<line x1=\"1\" y1=\"1\" x2=\"2\" y2=\"2\"/><g><rect x=");
    ASSERT_NE(dxf, "");
    EXPECT_EQ(EntitiesOf(dxf, "LINE").size(), 2u);
    const std::vector<Group> groups = ParseGroups(dxf);
    ASSERT_GE(groups.size(), 2u);
    EXPECT_EQ(groups.front().code, 999);
    EXPECT_EQ(groups.front().value, "Vextora");
    EXPECT_EQ(groups.back().code, 0);
    EXPECT_EQ(groups.back().value, "EOF");
}

TEST(Job, IncompleteTagWarningReachesTheMessageSink) {
    CSvgConverter converter;
    RecordingMessages messages;
    converter.SetMessageSink(&messages);
    ASSERT_NE(ConvertSvg(converter, "<svg><g><line x1=\"3\"", "cut"), "");
    EXPECT_EQ(messages.messages, (std::vector<std::string>{"Warning Tag Block is Incomplete",
        "the drawing ends before its closing tag: the DXF holds only what was read"}));
}

TEST(Job, EveryFileStartsFromTheSameState) {
    // A dashed path leaves its line type current, a group leaves its fill flag
    // (a G, which never ends a group, for good; it fills uses without the fill
    // option), a text leaves remembered settings: none of it may reach the next file.
    const std::string first = Svg(
        "<path style=\"stroke:#f00;stroke-dasharray:5 3\" d=\"M0 0 L10 10\"/>"
        "<g id=\"walls\" fill=\"#00f\"><line x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\"/></g><G fill=\"#00f\"/>");
    const std::string second = Svg(
        "<line x1=\"0\" y1=\"0\" x2=\"5\" y2=\"5\"/><defs><symbol id=\"s\"><path d=\"M0 0 L5 0 L5 5 z\"/>"
        "</symbol></defs><path fill=\"#0f0\" d=\"M0 0 L5 0 L5 5 z\"/><use xlink:href=\"#s\"/>");
    CSvgConverter converter;
    CConvertOptions noFills = converter.Options();
    noFills.fillOption = 0;
    converter.SetOptions(noFills);
    ConvertSvg(converter, first, "first");
    const std::string inBatch = ConvertSvg(converter, second, "second");
    const std::string alone = ConvertSvg(second, false, "second");
    ASSERT_NE(inBatch, "");
    EXPECT_EQ(inBatch, alone);
    const auto lines = EntitiesOf(inBatch, "LINE");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Str(6), "BYLAYER");
    EXPECT_EQ(lines[0].Str(8), "0");
}

TEST(Job, TestFoldersStartEmpty) {
    // A file that an earlier run left (a failed one, say) must not reach this run.
    const std::string slug = "Job.TestFoldersStartEmpty";
    for (const fs::path& folder : {fs::path(VX_BINARY_DIR) / "test-input" / slug,
                                  fs::path(VX_TEST_DXF_DIR) / slug}) {
        fs::create_directories(folder);
        WriteFile((folder / "left.svg").string(), "<svg/>");
    }
    EXPECT_TRUE(fs::is_empty(TestInputFolder()));
    EXPECT_TRUE(fs::is_empty(TestOutputFolder()));
}

TEST(Job, SameFileTwiceWritesTheSameTables) {
    const std::string svg = Svg(
        "<g id=\"a\" style=\"stroke-dasharray:4 2;font-family:Arial\"><text x=\"1\" y=\"2\" "
        "font-size=\"3\">hi</text></g>");
    CSvgConverter converter;
    const std::string once = ConvertSvg(converter, svg, "twice");
    const std::string again = ConvertSvg(converter, svg, "twice");
    ASSERT_NE(once, "");
    EXPECT_EQ(once, again);
    EXPECT_EQ(TableCount(once, "LTYPE"), 2);  // dash records plus 1
    EXPECT_EQ(TableCount(once, "STYLE"), 2);
}

TEST(Job, GroupIdsBecomeValidLayersOnce) {
    const std::string dxf = ConvertSvg(Svg(
        "<g id=\" walls \"><line x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\"/></g>"
        "<g id=\"walls\"/><g id=\"a/b:c\"><line x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\"/></g>"
        "<G ID=\"Upper\"><line x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\"/></G><g id=\"WALLS\"/>"));
    ASSERT_NE(dxf, "");
    std::vector<std::string> names;
    for (const Entity& layer : TableEntries(dxf, "LAYER")) names.push_back(layer.Str(2));
    EXPECT_EQ(names, (std::vector<std::string>{"0", "walls", "a_b_c", "Upper"}));
    EXPECT_EQ(TableCount(dxf, "LAYER"), 4);
    const auto lines = EntitiesOf(dxf, "LINE");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].Str(8), "walls");
    EXPECT_EQ(lines[1].Str(8), "a_b_c");
    EXPECT_EQ(lines[2].Str(8), "Upper");
}

TEST(Job, UnreadableInputFailsAloneAndTheBatchGoesOn) {
    // A folder opens but cannot be read as a file.
    CSvgConverter converter;
    CConvertOptions chosen = converter.Options();
    chosen.outputFolder = TestOutputFolder();
    converter.SetOptions(chosen);
    std::string outName;
    EXPECT_FALSE(converter.ConvertFile(TestInputFolder(), outName));
    EXPECT_NE(ConvertSvg(converter, Svg("<line x1=\"0\" y1=\"0\" x2=\"5\" y2=\"5\"/>"), "next"), "");
}

TEST(Job, PathDataBeyondAnyRealDrawingFailsTheFileInsteadOfCuttingItShort) {
    // A long marker is read again at every placement: 3000 placements of 100 KB
    // are far more path data than the file could hold itself.
    std::string svg = "<svg height=\"100\"><marker id=\"m\"><path d=\"M0 0 L1 1" +
                      std::string(100000, ' ') + "\"/></marker>";
    for (int i = 0; i < 3000; ++i) svg += "<path style=\"marker-end:url(#m)\" d=\"M0 0 L9 9\"/>";
    svg += "</svg>";
    CSvgConverter converter;
    CConvertOptions chosen = converter.Options();
    chosen.outputFolder = TestOutputFolder() + "flood/";
    fs::create_directories(chosen.outputFolder);
    converter.SetOptions(chosen);
    const std::string input = TestInputFolder() + "flood.svg";
    WriteFile(input, svg);
    std::string outName;
    EXPECT_FALSE(converter.ConvertFile(input, outName));
    EXPECT_TRUE(fs::is_empty(chosen.outputFolder));
    // The same converter goes on with the next file as usual.
    EXPECT_NE(ConvertSvg(converter, Svg("<path d=\"M0 0 L5 5\"/>"), "after"), "");

    // The budget grows with the file: 4300 placements of a 1000-point marker
    // (4.3 million points, beyond the budget of an empty file) in 220 KB convert.
    // The marker's infinite point leaves each placement out, so little is written.
    std::string large = "<svg height=\"100\"><marker id=\"m\"><path d=\"M0 0 L1e400 0";
    for (int i = 0; i < 1000; ++i) large += " l1 1";
    large += "\"/></marker>";
    for (int i = 0; i < 4300; ++i) large += "<path style=\"marker-end:url(#m)\" d=\"M0 0 L9 9\"/>";
    EXPECT_NE(ConvertSvg(converter, large + "</svg>", "large"), "");
}
