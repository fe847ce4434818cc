#include <gtest/gtest.h>

#include "tests/support/shape_document.h"

namespace {

using vxtest::Entity;
using vxtest::ShapeDocument;

TEST(HostileShapes, EllipsesFlatterThanReadersTakeKeepTheFlattestRatio) {
    ShapeDocument doc;
    doc.classic.Ellipse(0, "", "0", "0", "1e10", "1", "", 1);
    doc.classic.Ellipse(0, "", "0", "0", "1", "-1e12", "", 1);
    doc.classic.Ellipse(0, "", "0", "0", "4", "2", "", 1);
    doc.conv.Shapes().DrawRect(doc.RoundRect(0, 0, -.5e-3, -3, false, 60031440911.33032, 900.42));
    const std::vector<Entity> ellipses = doc.Entities("ELLIPSE");
    ASSERT_EQ(ellipses.size(), 7u);
    EXPECT_EQ(ellipses[0].Real(40), 1e-6);
    EXPECT_EQ(ellipses[1].Real(40), 1e-6);
    EXPECT_EQ(ellipses[2].Real(40), 0.5);  // an ordinary ellipse keeps its ratio
    for (size_t i = 3; i < ellipses.size(); ++i) EXPECT_EQ(ellipses[i].Real(40), 1e-6);
}

TEST(HostileShapes, FlatFilledCornersKeepTheFlattestRatio) {
    ShapeDocument doc;
    doc.conv.Shapes().DrawRect(doc.RoundRect(0, 0, 10, 10, true, 5, 1e-9));
    const std::vector<Entity> hatches = doc.Entities("HATCH");
    ASSERT_EQ(hatches.size(), 1u);
    for (double ratio : hatches[0].Reals(40)) EXPECT_GE(ratio, 1e-6);
}

}  // namespace
