// The walker's drawing state is carried from element to element in document
// order; these cases pin down where it is set, kept and cleared.
#include <gtest/gtest.h>

#include "tests/support/convert_fixture.h"
#include "tests/support/dxf_groups.h"

using namespace vxtest;

namespace {

std::string Svg(const std::string& body, const std::string& rootAttributes = "height=\"100\"") {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" " +
           rootAttributes + ">" + body + "</svg>";
}

std::vector<std::string> Types(const std::string& dxf) {
    std::vector<std::string> types;
    for (const Entity& e : EntitiesOf(dxf)) types.push_back(e.type);
    return types;
}

using Types_ = std::vector<std::string>;

}  // namespace

TEST(FillState, CircleFillIsClearedAfterEachCircleButPathFillCarriesOver) {
    const std::string dxf = ConvertSvg(Svg(
        "<circle cx=\"10\" cy=\"10\" r=\"5\" fill=\"red\"/>"
        "<circle cx=\"30\" cy=\"10\" r=\"5\"/>"
        "<path fill=\"blue\" d=\"M0 0 L10 0 L10 10 Z\"/>"
        "<circle cx=\"50\" cy=\"10\" r=\"5\"/>"));
    EXPECT_EQ(Types(dxf), (Types_{"HATCH", "CIRCLE", "HATCH", "HATCH"}));
}

TEST(FillState, StyleAfterFillAttributeClearsThePathFill) {
    const std::string dxf = ConvertSvg(Svg("<path fill=\"red\" style=\"stroke:#00f\" d=\"M0 0 L10 0 L10 10 Z\"/>"));
    EXPECT_EQ(Types(dxf), (Types_{"LWPOLYLINE"}));
    EXPECT_EQ(EntitiesOf(dxf)[0].Int(62), 5);
    // A group's style clears it too: the circle in the group is an outline.
    const std::string grouped = ConvertSvg(Svg("<path fill=\"red\" d=\"M0 0 L10 0 L10 10 Z\"/>"
        "<g style=\"stroke:#00f\"><circle cx=\"5\" cy=\"5\" r=\"2\"/></g>"), true, "grouped");
    EXPECT_EQ(Types(grouped), (Types_{"HATCH", "CIRCLE"}));
}

TEST(FillState, RectWithFillNoneIsAnOutline) {
    const std::string dxf = ConvertSvg(Svg("<rect x=\"1\" y=\"1\" width=\"5\" height=\"5\" fill=\"none\"/>"));
    EXPECT_EQ(Types(dxf), (Types_{"LWPOLYLINE"}));
}

TEST(FillState, WithoutHatchFillsAFilledPathIsDrawnInItsFillColour) {
    const std::string dxf = ConvertSvg(
        Svg("<line stroke=\"red\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\"/>"
            "<path fill=\"#0000ff\" d=\"M0 0 L10 0 L10 10 Z\"/>"
            "<line x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\"/>"),
        false);
    const auto entities = EntitiesOf(dxf);
    ASSERT_EQ(Types(dxf), (Types_{"LINE", "LWPOLYLINE", "LINE"}));
    EXPECT_EQ(entities[0].Int(62), 1);
    EXPECT_EQ(entities[1].Int(62), 5);  // the fill colour for the outline
    EXPECT_EQ(entities[2].Int(62), 1);  // and the stroke colour again afterwards
}

TEST(ColourState, ColoursCarryToLaterElementsWhoseOwnStrokeIsNotRead) {
    const std::string dxf = ConvertSvg(Svg(
        "<polyline points=\"0,0 1,1\"/>"
        "<line stroke=\"red\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\"/>"
        "<polyline stroke=\"blue\" points=\"0,0 1,1\"/>"
        "<line stroke=\"currentColor\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\"/>"));
    const auto entities = EntitiesOf(dxf);
    ASSERT_EQ(entities.size(), 4u);
    EXPECT_EQ(entities[0].Int(62), 0);  // before any colour: black, number 0
    EXPECT_EQ(entities[1].Int(62), 1);
    EXPECT_EQ(entities[2].Int(62), 1);  // a polyline's own stroke is not read
    EXPECT_EQ(entities[3].Int(62), 1);  // a colour of no known form changes nothing
}

TEST(Definitions, PathInsideDefsIsNotDrawnButOtherShapesAre) {
    const std::string dxf = ConvertSvg(Svg(
        "<defs><path d=\"M0 0 L5 5\"/><rect x=\"1\" y=\"1\" width=\"2\" height=\"2\"/>"
        "<g><path d=\"M0 0 L5 5\"/></g></defs><path d=\"M0 0 L5 5\"/>"));
    EXPECT_EQ(Types(dxf), (Types_{"LWPOLYLINE", "LWPOLYLINE"}));
    EXPECT_EQ(EntitiesOf(dxf)[0].Int(90), 4);  // the rectangle
    EXPECT_EQ(EntitiesOf(dxf)[1].Int(90), 2);  // the path after defs
}

TEST(Layers, GroupIdIsTheLayerInsideTheGroupAndAfterIt) {
    const std::string dxf = ConvertSvg(Svg(
        "<line x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\"/>"
        "<g id=\"walls\"><line x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\"/></g>"
        "<line x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\"/>"));
    const auto lines = EntitiesOf(dxf, "LINE");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].Str(8), "0");
    EXPECT_EQ(lines[1].Str(8), "walls");
    EXPECT_EQ(lines[2].Str(8), "walls");
}

TEST(DrawingHeight, ViewBoxIsReadAfterHeight) {
    const std::string dxf = ConvertSvg(
        Svg("<line x1=\"0\" y1=\"10\" x2=\"1\" y2=\"10\"/>", "height=\"100\" viewBox=\"0 0 200 50\""));
    const auto lines = EntitiesOf(dxf, "LINE");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_DOUBLE_EQ(lines[0].Real(20), 40.0);
}

TEST(TextSettings, TspanTakesTheEnclosingTextsSettingsOnlyInsideIt) {
    const std::string dxf = ConvertSvg(Svg(
        "<text x=\"1\" y=\"2\" font-size=\"12\">a<tspan x=\"5\" y=\"6\">b</tspan></text>"
        "<tspan x=\"5\" y=\"6\">c</tspan>"));
    const auto texts = EntitiesOf(dxf, "TEXT");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_NEAR(texts[1].Real(40), 9.6, 1e-9);
    EXPECT_EQ(texts[2].Real(40), 0.0);
}

TEST(TextSettings, TextWithoutSizeTakesTheLastGroupStyleWithASize) {
    const std::string dxf = ConvertSvg(Svg(
        "<g style=\"font-size:20;font-family:Arial\"/><g style=\"fill:#f00\"/>"
        "<text x=\"1\" y=\"2\" style=\"fill:#000\">a</text>"));
    const auto texts = EntitiesOf(dxf, "TEXT");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NEAR(texts[0].Real(40), 16.0, 1e-9);
    EXPECT_EQ(texts[0].Str(7), "Style-Arial");
}

TEST(StrokeWidth, PathStyleWidthReachesTheOutlineAndTheNextPathStartsAtZero) {
    const std::string dxf = ConvertSvg(Svg(
        "<path style=\"stroke:#000;stroke-width:2\" d=\"M0 0 L10 0\"/><path d=\"M0 0 L10 0\"/>"));
    const auto lines = EntitiesOf(dxf, "LWPOLYLINE");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Reals(40), (std::vector<double>{2, 2}));
    EXPECT_EQ(lines[1].Reals(40), (std::vector<double>{0, 0}));
}

TEST(Groups, DeepNestingBeyondTheStackKeepsTransformsBalanced) {
    std::string open, close;
    for (int i = 0; i < 60; ++i) {
        open += "<g transform=\"translate(1,0)\">";
        close += "</g>";
    }
    const std::string dxf = ConvertSvg(Svg(
        open + "<line x1=\"0\" y1=\"0\" x2=\"0\" y2=\"0\"/>" + close +
        "<line x1=\"0\" y1=\"0\" x2=\"0\" y2=\"0\"/>"));
    const auto lines = EntitiesOf(dxf, "LINE");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_DOUBLE_EQ(lines[0].Real(10), 50.0);  // only the 50 stored group matrices apply
    EXPECT_DOUBLE_EQ(lines[1].Real(10), 0.0);
}

TEST(Groups, UpperCaseGroupReadsAttributesButItsTransformGoesNowhere) {
    const std::string dxf = ConvertSvg(Svg(
        "<g transform=\"translate(10,0)\"><G id=\"inner\" stroke=\"red\" transform=\"translate(5,0)\">"
        "<line x1=\"0\" y1=\"0\" x2=\"0\" y2=\"0\"/></G></g>"));
    const auto lines = EntitiesOf(dxf, "LINE");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_DOUBLE_EQ(lines[0].Real(10), 10.0);
    EXPECT_EQ(lines[0].Str(8), "inner");
    EXPECT_EQ(lines[0].Int(62), 1);
}

TEST(Use, GroupFillSendsAFilledUseToTheHatchEvenWithoutHatchFills) {
    const std::string svg = Svg(
        "<defs><symbol id=\"s\"><path d=\"M0 0 L10 0 L10 10 Z\"/></symbol></defs>"
        "<g fill=\"red\"><use xlink:href=\"#s\"/></g>"
        "<path fill=\"blue\" d=\"M0 0 L1 1\"/><use xlink:href=\"#s\"/>");
    const std::string dxf = ConvertSvg(svg, false);
    EXPECT_EQ(Types(dxf), (Types_{"HATCH", "LWPOLYLINE", "LWPOLYLINE"}));
}

TEST(StyleSpacing, BlanksAroundNamesAndValuesAreIgnoredInEveryStyleRead) {
    const std::string line = " d=\"M0 0 L10 0\"/>";
    const std::string box = " x=\"0\" y=\"0\" width=\"5\" height=\"5\"/>";
    const struct {
        std::string body;
        std::string type;  // of the entity checked: the last of its kind, if any
        int code;
        std::string expected;
    } rows[] = {
        {"<path style=\"stroke: blue\"" + line, "LWPOLYLINE", 62, "5"},
        {"<path style=\" stroke :\tblue ; stroke-width : 2\"" + line, "LWPOLYLINE", 40, "2.0"},
        {"<path style=\"stroke:#000; stroke-dasharray : 4, 2 \"" + line, "LWPOLYLINE", 6, "Dash1"},
        {"<path style=\"fill: none; stroke: #f00000\"" + line, "LWPOLYLINE", 62, "1"},
        {"<g style=\"stroke : #00ff00 \"><line x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\"/></g>",
         "LINE", 62, "3"},
        {"<defs><symbol id=\"s\"><path d=\"M0 0 L10 0 L10 10 Z\"/></symbol></defs>"
         "<g style=\"fill : #0000ff\"><use xlink:href=\"#s\"/></g>",
         "HATCH", 62, "5"},
        {"<rect style=\"fill: #0000ff ; stroke : red\"" + box, "HATCH", 62, "5"},
        {"<rect style=\"fill: none\"" + box, "LWPOLYLINE", 8, "0"},
        {"<text x=\"1\" y=\"2\" style=\"font-size : 20 ; font-family: Arial\">a</text>", "TEXT",
         7, "Style-Arial"},
        {"<g style=\"font-size : 20;font-family : Arial\"/><text x=\"1\" y=\"2\">a</text>", "TEXT",
         40, "16.0"},
        {"<marker id=\"m\"><path d=\"M0 0 L1 1\"/></marker>"
         "<path style=\" marker-end : url(#m) ;stroke:#000\" d=\"M0 0 L10 0\"/>",
         "LWPOLYLINE", 10, "10.0"},  // the marker, drawn at the path's end
    };
    for (const auto& row : rows) {
        const auto entities = EntitiesOf(ConvertSvg(Svg(row.body)), row.type);
        const std::string found = entities.empty() ? "none" : entities.back().Str(row.code);
        EXPECT_EQ(found, row.expected) << row.body;
    }
}
