// Output names: the last path segment, its extension replaced by ".dxf"; and
// the inputs of a batch that would write the same one.
#include <gtest/gtest.h>

#include "convert/output_clashes.h"
#include "convert/svg_converter.h"

TEST(OutputName, LastSegmentWithExtensionReplaced) {
    EXPECT_EQ(CSvgConverter::DeriveOutputName("/home/u/in.dir/plan.v2.svg"), "plan.v2.dxf");
    EXPECT_EQ(CSvgConverter::DeriveOutputName("C:\\a.b\\plan.svg"), "plan.dxf");
    EXPECT_EQ(CSvgConverter::DeriveOutputName("D:\\in\\logo.SVG"), "logo.dxf");
    EXPECT_EQ(CSvgConverter::DeriveOutputName("/in.dir/plain"), "plain.dxf");
    EXPECT_EQ(CSvgConverter::DeriveOutputName("/x/.svg"), ".dxf");
    EXPECT_EQ(CSvgConverter::DeriveOutputName("mixed/a\\b.svg"), "b.dxf");
}

// Two inputs clash when they would write one DXF name; each later one is
// told the first. The same file listed again only writes the same DXF again.
TEST(OutputName, ClashesNameTheFirstInputOfTheirDxf) {
    const std::vector<std::string> inputs = {"a/x.svg", "b/x.svg", "a/x.svg", "x.svgz", "y.svg",
                                             "c\\y.svg", "y.svg"};
    EXPECT_EQ(FindOutputClashes(inputs),
              (std::vector<std::string>{"", "a/x.svg", "", "a/x.svg", "", "y.svg", ""}));
}
