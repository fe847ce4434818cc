// The count behind the classic reading's hint: what a browser draws differently.
#include <gtest/gtest.h>

#include "convert/classic_differences.h"
#include "xml/xml_parser.h"

namespace {

long CountIn(const std::string& svg) {
    CXML root;
    LoadXml(root, svg, std::string(), nullptr);
    return CountClassicDifferences(root);
}

}  // namespace

TEST(ClassicDifferences, CountsWhatABrowserDrawsDifferently) {
    const struct {
        const char* svg;
        long count;
    } rows[] = {
        // An Inkscape drawing: a rotated rectangle, a hidden layer.
        {"<svg><g inkscape:groupmode=\"layer\" id=\"layer1\"><rect transform=\"rotate(30)\"/></g>"
         "<g inkscape:groupmode=\"layer\" style=\"display : none\"><circle r=\"3\"/></g></svg>", 2},
        // A tabler icon: class on the root, an invisible frame.
        {"<svg class=\"icon icon-tabler\" stroke=\"currentColor\" fill=\"none\">"
         "<path stroke=\"none\" d=\"M0 0h24v24H0z\" fill=\"none\"/><circle r=\"9\"/></svg>", 2},
        {"<svg><style>.a{fill:red}</style><path style=\"visibility:hidden\"/>"
         "<path style=\"fill:none;stroke:none\"/><rect display=\"none\"/></svg>", 4},
        {"<svg><g transform=\"translate(1,2) scale(2)\"/><g transform=\"skewX(10)\"/></svg>", 2},
        // A use counts unless it places a symbol, wherever the symbol stands.
        {"<svg><use xlink:href=\"#s\"/><use href=\"#r\"/><symbol id=\"s\"/><rect id=\"r\"/></svg>", 1},
        // What the classic reading draws as a browser does.
        {"<svg><g id=\"walls\" transform=\"translate(5,5)\"><rect fill=\"#f00\"/>"
         "<path fill=\"none\" stroke=\"#000\"/><path style=\"fill-opacity:0;stroke:none\"/></g></svg>", 0},
    };
    for (const auto& row : rows) EXPECT_EQ(CountIn(row.svg), row.count) << row.svg;
}
