// Output names: the last path segment, its extension replaced by ".dxf".
#include <gtest/gtest.h>

#include "convert/svg_converter.h"

TEST(OutputName, LastSegmentWithExtensionReplaced) {
    EXPECT_EQ(CSvgConverter::DeriveOutputName("/home/u/in.dir/plan.v2.svg"), "plan.v2.dxf");
    EXPECT_EQ(CSvgConverter::DeriveOutputName("C:\\a.b\\plan.svg"), "plan.dxf");
    EXPECT_EQ(CSvgConverter::DeriveOutputName("D:\\in\\logo.SVG"), "logo.dxf");
    EXPECT_EQ(CSvgConverter::DeriveOutputName("/in.dir/plain"), "plain.dxf");
    EXPECT_EQ(CSvgConverter::DeriveOutputName("/x/.svg"), ".dxf");
    EXPECT_EQ(CSvgConverter::DeriveOutputName("mixed/a\\b.svg"), "b.dxf");
}
