// Numbers beyond a double's range, and finite ones that overflow once
// transformed, under the browser reading: the entity they belong to is left
// out whole and the drawing goes on.
#include <gtest/gtest.h>

#include "tests/hostile/hostile_support.h"

using namespace vxtest;

namespace {

const char kAfter[] = "<path d=\"M1 2 L3 4\" stroke=\"#000\"/>";

bool IsThePathAfter(const Entity& e) {
    const auto xs = e.Reals(10), ys = e.Reals(20);
    return e.type == "LWPOLYLINE" && xs == std::vector<double>{1, 3} &&
           ys == std::vector<double>{98, 96};
}

}  // namespace

TEST(BrowserNumbers, EveryDrawableThatCannotBePlacedIsLeftOutAndTheDrawingGoesOn) {
    const std::string cases[] = {
        "<path d=\"M1e400 0 L5 5\" stroke=\"#000\"/>",
        "<rect x=\"1e400\" width=\"5\" height=\"5\"/>",
        "<rect width=\"5\" height=\"5\" rx=\"1e400\" stroke=\"#000\"/>",
        "<circle r=\"1e400\" stroke=\"#000\" fill=\"red\"/>",
        "<ellipse rx=\"1e300\" ry=\"1e-300\" transform=\"skewX(89.9999)\" stroke=\"#000\"/>",
        "<g transform=\"scale(1e300)\"><path d=\"M1e10 0 L5 5\" stroke=\"#000\" fill=\"red\"/></g>",
        "<g transform=\"rotate(1e308) translate(1e308 1e308)\"><rect width=\"5\" height=\"5\"/></g>",
        "<path d=\"M0 0 H10 V10 Z M1e300 1e300 H-1e300 V-1e300 Z\" fill=\"red\"/>",
        "<path d=\"M0 0 H10\" stroke=\"#000\" stroke-width=\"1e400\"/>",
        "<text x=\"1e400\" y=\"5\">t</text><text y=\"5\" font-size=\"1e400\">t</text>",
        "<defs><path id=\"p\" d=\"M0 0 H5\" stroke=\"#000\"/></defs><use href=\"#p\" x=\"1e400\"/>",
        "<svg width=\"1e300\" height=\"1\" viewBox=\"0 0 1e-300 1\"><path d=\"M1 0 H5\" stroke=\"#000\"/></svg>",
        "<marker id=\"m\" refX=\"1e400\"><path d=\"M0 0 H5\" stroke=\"#000\"/></marker>"
        "<path d=\"M0 0 L5 5\" fill=\"none\" marker-end=\"url(#m)\"/>",
        "<marker id=\"m\" viewBox=\"0 0 1e-300 1e-300\"><path d=\"M0 0 H5\" stroke=\"#000\"/></marker>"
        "<path d=\"M0 0 L5 5 L1e308 0\" fill=\"none\" stroke-width=\"1e300\" marker=\"url(#m)\" "
        "style=\"marker:url(#m)\"/>",
        std::string("<image x=\"1e400\" width=\"4\" height=\"4\" href=\"") + kPngData + "\"/>",
        "<clipPath id=\"c\"><rect x=\"-1e300\" width=\"1e400\" height=\"1e300\"/></clipPath>"
        "<path d=\"M0 0 H10 V1e400\" stroke=\"#000\" fill=\"red\" clip-path=\"url(#c)\"/>",
        "<clipPath id=\"f\"><rect x=\"-1e300\" width=\"1e300\" height=\"1e300\"/></clipPath>"
        "<path d=\"M-5 0 H10 V1\" stroke=\"#000\" fill=\"red\" clip-path=\"url(#f)\"/>",
    };
    for (const std::string& body : cases) {
        SCOPED_TRACE(body);
        CSvgConverter converter;
        CConvertOptions chosen = converter.Options();
        chosen.svgRules = SvgRules::Browser;
        chosen.imageFetch.allowNetwork = false;
        converter.SetOptions(chosen);
        const std::string dxf = ConvertSvg(converter, HostileSvg(body + kAfter));
        const auto entities = EntitiesOf(dxf);
        EXPECT_TRUE(!entities.empty() && IsThePathAfter(entities.back()));
        EXPECT_EQ(FirstNonFiniteGroup(dxf), "");
    }
}

TEST(BrowserNumbers, RootSizesBeyondRangeKeepTheDrawingFinite) {
    for (const char* root : {"width=\"1e400mm\" height=\"1e400mm\" viewBox=\"0 0 10 10\"",
                             "width=\"1mm\" height=\"1mm\" viewBox=\"0 0 1e-320 1e-320\"",
                             "width=\"1e308in\" height=\"1e308in\""}) {
        SCOPED_TRACE(root);
        CSvgConverter converter;
        CConvertOptions chosen = converter.Options();
        chosen.svgRules = SvgRules::Browser;
        converter.SetOptions(chosen);
        const std::string dxf = ConvertSvg(
            converter, std::string("<svg ") + root + ">" + kAfter + "<circle r=\"3\" fill=\"red\"/></svg>");
        EXPECT_NE(dxf, "");
        EXPECT_EQ(FirstNonFiniteGroup(dxf), "");
    }
}
