#include <gtest/gtest.h>

#include <string>

#include "tests/support/convert_fixture.h"
#include "tests/support/dxf_groups.h"

namespace {

// The tree the reader builds is what the drawing shows: markup the reader must
// read past (an apostrophe in a comment, a cut-off end) costs no element.
TEST(XmlEndToEnd, CommentApostropheAndCutOffFileStillDrawLines) {
    const std::string dxf = vxtest::ConvertSvg(
        "<?xml version=\"1.0\"?>\n<!-- the designer's draft -->\n"
        "<svg width=\"100\" height=\"100\">\n"
        "  <line x1=\"0\" y1=\"0\" x2=\"10\" y2=\"10\" stroke=\"black\"/>\n"
        "  <!-- it's the second one -->\n"
        "  <line x1=\"5\" y1=\"5\" x2=\"20\" y2=\"5\" stroke=\"black\"/>\n"
        "  <g><line x1=\"1\" y1=\"1\" x2=\"2\" y2=\"2\" stroke=\"black\"/>",
        true, "xml_cut_off");
    ASSERT_FALSE(dxf.empty());
    EXPECT_EQ(vxtest::EntitiesOf(dxf, "LINE").size(), 3u);
}

}  // namespace
