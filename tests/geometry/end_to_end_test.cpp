#include <gtest/gtest.h>

#include "tests/support/convert_fixture.h"
#include "tests/support/dxf_groups.h"

namespace {

TEST(PathsEndToEnd, MarkersFillsAndSymbolsFromAnSvg) {
    const std::string dxf = vxtest::ConvertSvg(
        "<svg width=\"100\" height=\"100\">\r\n"
        "<defs><marker id=\"dot\" refX=\"0\" refY=\"0\"><path d=\"M0 0 L1 0\"/></marker>\r\n"
        "<symbol id=\"box\"><path d=\"M0 0 L10 0 L10 10\"/></symbol></defs>\r\n"
        "<path stroke=\"red\" style=\"stroke:red;marker-end:url(#dot)\"\r\n"
        "      d=\"M0\t0\r\nL10\t-20\r\nC20 0 30 0 40 0\"/>\r\n"
        "<path fill=\"blue\" d=\"M0 0 h10 v10 h-10 z M20 20 h5 v5 h-5 z\"/>\r\n"
        "<use xlink:href=\"#box\" x=\"5\" y=\"5\"/>\r\n"
        "</svg>\r\n",
        true, "paths");
    ASSERT_FALSE(dxf.empty());
    const auto lines = vxtest::EntitiesOf(dxf, "LWPOLYLINE");
    // The stroked path and its end marker; the filled path has no stroke.
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Real(10), 0);
    EXPECT_EQ(lines[0].Reals(20)[1], 120);  // (10, -20) read across tabs and line ends
    ASSERT_EQ(lines[1].Reals(10).size(), 2u);  // the marker at the end, along the curve
    EXPECT_EQ(lines[1].Reals(10)[0], 40);
    EXPECT_NEAR(lines[1].Reals(10)[1], 41, 1e-3);
    const auto hatches = vxtest::EntitiesOf(dxf, "HATCH");
    // The fill flag carries over to the use, whose one-subpath symbol is filled.
    ASSERT_EQ(hatches.size(), 2u);
    EXPECT_EQ(hatches[0].Int(91), 2);
    EXPECT_EQ(hatches[1].Int(91), 1);
}

}  // namespace
