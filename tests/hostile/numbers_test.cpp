// Numbers beyond a double, infinite results of mapping and texts such as
// "inf" and "nan": none of them may reach the DXF, since readers reject such a
// file outright. An entity that cannot be placed is left out whole, and the
// drawing goes on with the next one.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "base/text.h"
#include "tests/hostile/hostile_support.h"
#include "tests/support/convert_fixture.h"
#include "tests/support/shape_document.h"

using namespace vxtest;

namespace {

// Drawn after every hostile element: it must always arrive, at (1, 98)-(3, 96).
const char kAfter[] = "<line x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\" stroke=\"#000\"/>";


bool IsTheLineAfter(const Entity& e) {
    return e.type == "LINE" && e.Real(10) == 1 && e.Real(20) == 98 && e.Real(11) == 3 &&
           e.Real(21) == 96;
}

double RelativeError(double got, double want) { return std::fabs(got - want) / std::fabs(want); }

}  // namespace

TEST(HostileNumbers, NoNumbersAndTinyOnesReadAsZeroHugeOnesAsInfinite) {
    EXPECT_EQ(vx::LeadingNumber("1e400"), HUGE_VAL);
    EXPECT_EQ(vx::LeadingNumber(" -1e400px"), -HUGE_VAL);
    EXPECT_EQ(vx::LeadingNumber("1" + std::string(400, '0')), HUGE_VAL);
    EXPECT_EQ(vx::LeadingNumber("1" + std::string(400, '0') + "e-10"), HUGE_VAL);
    EXPECT_EQ(vx::LeadingNumber("1e99999999999999999999"), HUGE_VAL);
    // Below the smallest double a number is 0, however its digits put it.
    const std::string zeros(330, '0');
    for (const std::string& tiny :
         {std::string("1e-400"), std::string("-1e-400"), "0." + zeros + "1", "-." + zeros + "9",
          "0." + zeros + "1e+5", "1" + zeros + "e-700", std::string("1e-99999999999999999999")})
        EXPECT_EQ(vx::LeadingNumber(tiny), 0) << tiny;
    EXPECT_EQ(vx::LeadingNumber("0." + zeros + "1e330"), 0.1);
    for (const char* text : {"inf", "-inf", "Infinity", "nan", "NaN", "-nan(0x1)", "0x1p3", "e5"})
        EXPECT_EQ(vx::LeadingNumber(text), 0) << text;
    EXPECT_EQ(vx::LeadingNumber("1e308"), 1e308);
    // Whole numbers beyond an int stop at its ends, whatever their length.
    EXPECT_EQ(vx::LeadingInt("-99999999999999999999"), INT_MIN);
    EXPECT_EQ(vx::LeadingInt("+99999999999999999999"), INT_MAX);

    // In a drawing: the line is drawn from the origin, not skipped.
    const std::string dxf =
        ConvertSvg(HostileSvg("<line x1=\"inf\" y1=\"nan\" x2=\"-Infinity\" y2=\"5\"/>"
                              "<rect x=\"NaN\" y=\"inf\" width=\"5\" height=\"5\" fill=\"none\" "
                              "stroke=\"#000\"/><path d=\"M1e-400 0L0." + std::string(330, '0') +
                              "1 5\" style=\"fill:none;stroke:#000\"/>"),
                   true, "inf-texts");
    ASSERT_NE(dxf, "");
    const auto lines = EntitiesOf(dxf, "LINE");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(ValuesOf(lines[0], {10, 20, 11, 21}), (Values{0, 100, 0, 95}));
    const auto polylines = EntitiesOf(dxf, "LWPOLYLINE");
    ASSERT_EQ(polylines.size(), 2u);
    EXPECT_EQ(polylines[0].Reals(10), (std::vector<double>{0, 5, 5, 0}));
    EXPECT_EQ(Points(polylines[1]), (PointList{{0, 100}, {0, 95}}));  // tiny numbers are 0
    EXPECT_EQ(FirstNonFiniteGroup(dxf), "");
}

TEST(HostileNumbers, EveryEntityThatCannotBePlacedIsLeftOutWholeAndTheDrawingGoesOn) {
    const std::string symbol =
        "<defs><symbol id=\"s\"><path d=\"M0 0 L5 0 L5 5 Z\"/></symbol>"
        "<marker id=\"m\"><path d=\"M0 0 L1 1\"/></marker></defs>";
    const std::vector<std::string> cases = {
        "<line x1=\"1e400\" y1=\"0\" x2=\"5\" y2=\"5\"/>",
        "<line x1=\"0\" y1=\"0\" x2=\"5\" y2=\"-1e400\"/>",
        // Finite numbers whose mapping is not.
        "<line x1=\"1e10\" y1=\"0\" x2=\"5\" y2=\"5\" transform=\"scale(1e300)\"/>",
        "<g transform=\"scale(1e300)\"><line x1=\"1e10\" y1=\"0\" x2=\"5\" y2=\"5\"/></g>",
        "<g transform=\"translate(0 1e308)\"><line x1=\"0\" y1=\"1e308\" x2=\"5\" y2=\"5\"/></g>",
        "<polyline points=\"0,0 1e400,5 10,10\" stroke=\"#000\"/>",
        "<polygon points=\"0,0 5,-1e400 10,10\" stroke=\"#000\" fill=\"#f00\"/>",
        "<polyline points=\"0,0 1e10,5\" transform=\"matrix(1e300 0 0 1 0 0)\"/>",
        "<rect x=\"1e400\" y=\"0\" width=\"5\" height=\"5\" fill=\"none\" stroke=\"#000\"/>",
        "<rect x=\"0\" y=\"0\" width=\"5\" height=\"1e400\" fill=\"#f00\" stroke=\"#000\"/>",
        "<rect x=\"0\" y=\"0\" width=\"1e400\" height=\"5\" rx=\"1\" fill=\"#f00\" stroke=\"#000\"/>",
        "<rect x=\"1e10\" y=\"0\" width=\"5\" height=\"5\" rx=\"1\" fill=\"#f00\" stroke=\"#000\" "
        "transform=\"scale(1e300)\"/>",
        "<circle cx=\"1e400\" cy=\"5\" r=\"2\" fill=\"none\" stroke=\"#000\"/>",
        "<circle cx=\"5\" cy=\"5\" r=\"1e400\" fill=\"#f00\" stroke=\"#000\"/>",
        "<circle cx=\"5\" cy=\"-1e400\" r=\"2\" fill=\"none\" stroke=\"#000\"/>",
        "<circle cx=\"5\" cy=\"5\" r=\"1e10\" fill=\"#f00\" stroke=\"#000\" transform=\"scale(1e300)\"/>",
        "<ellipse cx=\"5\" cy=\"5\" rx=\"1e400\" ry=\"2\" fill=\"none\" stroke=\"#000\"/>",
        "<ellipse cx=\"5\" cy=\"-1e400\" rx=\"1\" ry=\"2\" fill=\"#f00\" stroke=\"#000\"/>",
        "<ellipse cx=\"5\" cy=\"5\" rx=\"1\" ry=\"1e400\" fill=\"#f00\" stroke=\"#000\"/>",
        // A transform that squeezes the major axis to its centre leaves no ellipse.
        "<ellipse cx=\"5\" cy=\"5\" rx=\"3\" ry=\"2\" fill=\"#f00\" stroke=\"#000\" "
        "transform=\"matrix(0 0 0 1 0 0)\"/>",
        "<path d=\"M0 0 L1e400 5 L10 10\" style=\"fill:none;stroke:#000\"/>",
        "<path d=\"M0 0 C1e400 0 5 5 10 10\" style=\"fill:none;stroke:#000\"/>",
        "<path d=\"M0 0 L1e10 5\" transform=\"scale(1e300)\" style=\"fill:none;stroke:#000\"/>",
        "<path d=\"M0 0 L10 10\" style=\"fill:none;stroke:#000;stroke-width:1e400\"/>",
        symbol + "<path d=\"M0 0 L10 10 L1e400 0\" style=\"fill:none;stroke:#000;"
                 "marker-start:url(#m);marker-end:url(#m)\"/>",
        // One loop that cannot be placed takes the whole hatch with it.
        "<path d=\"M0 0 L10 0 L10 10 Z M0 0 L1e400 0 L1e400 1e400 Z\" style=\"fill:#f00;stroke:none\"/>",
        "<path d=\"M0 0 L10 0 L10 10 Z M0 0 L1e400 0 L5 5 Z\" style=\"fill:#f00;stroke:none\"/>",
        "<path d=\"M0 0 L10 0 L10 10 Z M0 0 L1e300 0 L1e300 1e300 Z\" transform=\"scale(1e10)\" "
        "style=\"fill:#f00;stroke:none\"/>",
        symbol + "<use xlink:href=\"#s\" x=\"1e400\" y=\"0\" style=\"fill:none;stroke:#000\"/>",
        symbol + "<use xlink:href=\"#s\" x=\"0\" y=\"-1e400\" style=\"fill:#f00;stroke:#000\"/>",
        "<text x=\"1e400\" y=\"5\" font-size=\"3\">far</text>",
        "<text x=\"1\" y=\"5\" font-size=\"1e400\">big</text>",
        "<text x=\"1e10\" y=\"5\" font-size=\"3\" transform=\"matrix(1e300 0 0 1 0 0)\">far</text>",
        "<text x=\"1\" y=\"5\" font-size=\"1e10\" transform=\"matrix(1e300 0 0 1e300 0 0)\">big</text>",
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i]);
        const std::string dxf = ConvertSvg(HostileSvg(cases[i] + kAfter), true,
                                           "case" + std::to_string(i));
        EXPECT_NE(dxf, "");
        const auto entities = EntitiesOf(dxf);
        EXPECT_EQ(entities.size(), 1u) << entities.front().type;
        EXPECT_TRUE(!entities.empty() && IsTheLineAfter(entities.back()));
        EXPECT_EQ(FirstNonFiniteGroup(dxf), "");
    }
}

TEST(HostileNumbers, AnImageThatCannotBePlacedStoresNothing) {
    CSvgConverter converter;
    CConvertOptions chosen = converter.Options();
    chosen.imageFetch.allowNetwork = false;
    converter.SetOptions(chosen);
    const std::string dxf = ConvertSvg(
        converter,
        HostileSvg(std::string("<image x=\"1e400\" y=\"0\" width=\"4\" height=\"4\" xlink:href=\"") +
                   kPngData + "\"/><image x=\"0\" y=\"0\" width=\"4\" height=\"1e400\" href=\"" +
                   kPngData + "\"/>" + kAfter),
        "far-image");
    ASSERT_NE(dxf, "");
    EXPECT_TRUE(EntitiesOf(dxf, "IMAGE").empty());
    EXPECT_TRUE(ObjectsOf(dxf, "IMAGEDEF").empty());
    EXPECT_EQ(EntitiesOf(dxf, "LINE").size(), 1u);
    EXPECT_EQ(FilesBelow(converter.Options().outputFolder), std::vector<std::string>{"far-image.dxf"});
}

TEST(HostileNumbers, HugeFiniteValuesAreWrittenInFull) {
    const std::string dxf = ConvertSvg(
        HostileSvg("<line x1=\"1e300\" y1=\"0\" x2=\"-1e308\" y2=\"5\"/>"
                   "<circle cx=\"0\" cy=\"0\" r=\"1e300\" fill=\"none\" stroke=\"#000\"/>"),
        true, "huge-finite");
    ASSERT_NE(dxf, "");
    const auto lines = EntitiesOf(dxf, "LINE");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_GT(lines[0].Str(10).size(), 300u);
    EXPECT_LT(RelativeError(lines[0].Real(10), 1e300), 1e-12);
    EXPECT_LT(RelativeError(lines[0].Real(11), -1e308), 1e-12);
    const auto circles = EntitiesOf(dxf, "CIRCLE");
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_LT(RelativeError(circles[0].Real(40), 1e300), 1e-12);
    EXPECT_EQ(FirstNonFiniteGroup(dxf), "");
}

TEST(HostileNumbers, DrawingSizeAndDashLengthsAreBounded) {
    // A height beyond a double still flips y: against the largest size kept.
    for (const std::string& size :
         {std::string("height=\"1e400\""), std::string("viewBox=\"0 0 1e400 1e400\""),
          std::string("viewBox=\"0 -1e400 5 1e400\"")}) {
        SCOPED_TRACE(size);
        const std::string dxf = ConvertSvg(
            "<svg " + size + "><line x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\"/></svg>", true, "size");
        ASSERT_NE(dxf, "");
        const auto lines = EntitiesOf(dxf, "LINE");
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_LT(RelativeError(lines[0].Real(20), 1e300), 1e-12);
        EXPECT_EQ(FirstNonFiniteGroup(dxf), "");
    }

    // Dash arrays are read from the raw text as plain digits: a length of 351
    // digits is beyond a double.
    const std::string huge = "1" + std::string(350, '0');
    const std::string dxf = ConvertSvg(
        HostileSvg("<path d=\"M0 0 L5 5\" style=\"stroke:#000;stroke-dasharray:" + huge + " 5\"/>"),
        true, "dashes");
    ASSERT_NE(dxf, "");
    const auto paths = EntitiesOf(dxf, "LWPOLYLINE");
    ASSERT_EQ(paths.size(), 1u);
    bool found = false;
    for (const Entity& entry : TableEntries(dxf, "LTYPE")) {
        if (entry.Str(2) != paths[0].Str(6)) continue;
        found = true;
        EXPECT_LT(RelativeError(entry.Real(40), 1e300), 1e-12);
        ASSERT_EQ(entry.Reals(49).size(), 2u);
        EXPECT_LT(RelativeError(entry.Reals(49)[0], 1e300), 1e-12);
    }
    EXPECT_TRUE(found) << "the path names line type " << paths[0].Str(6);
    EXPECT_EQ(FirstNonFiniteGroup(dxf), "");
}

TEST(HostileNumbers, PartsThatCannotBePlacedLeaveTheRestOfTheirShape) {
    // A marker of its own cannot be placed: the path it sits on is still drawn.
    // A symbol's outline is one polyline per subpath, so only the bad one goes;
    // a filled symbol that cannot be placed leaves no hatch.
    const std::string dxf = ConvertSvg(
        HostileSvg("<defs><marker id=\"far\"><path d=\"M0 0 L1e400 0\"/></marker>"
                   "<symbol id=\"s\"><path d=\"M0 0 L5 0 L5 5 Z M0 0 L1e400 0 L1e400 1e400 Z\"/>"
                   "</symbol><symbol id=\"f\"><path d=\"M0 0 L1e400 0 L1e400 1e400 Z\"/></symbol>"
                   "</defs>"
                   "<path d=\"M0 0 L10 10\" style=\"fill:none;stroke:#000;marker-end:url(#far)\"/>"
                   "<use xlink:href=\"#s\" x=\"20\" y=\"0\" style=\"fill:none;stroke:#000\"/>"
                   "<use xlink:href=\"#f\" x=\"40\" y=\"0\" style=\"fill:#f00;stroke:none\"/>" +
                   std::string(kAfter)),
        true, "parts");
    ASSERT_NE(dxf, "");
    const auto outlines = EntitiesOf(dxf, "LWPOLYLINE");
    ASSERT_EQ(outlines.size(), 2u);
    EXPECT_EQ(Points(outlines[0]), (PointList{{0, 100}, {10, 90}}));
    EXPECT_EQ(outlines[1].Reals(10).front(), 20);
    EXPECT_TRUE(EntitiesOf(dxf, "HATCH").empty());
    EXPECT_EQ(EntitiesOf(dxf, "LINE").size(), 1u);
    EXPECT_EQ(FirstNonFiniteGroup(dxf), "");
}
