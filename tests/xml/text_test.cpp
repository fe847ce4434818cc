#include <gtest/gtest.h>

#include <string>

#include "xml/xml_parser.h"
#include "xml/xml_text.h"

namespace {

using vx::xml::AppendText;
using vx::xml::AppendTextBeforeTag;

std::string BeforeTag(std::string_view fragment) {
    std::string text;
    AppendTextBeforeTag(text, fragment);
    return text;
}

std::string Plain(std::string_view fragment) {
    std::string text;
    AppendText(text, fragment);
    return text;
}

TEST(XmlText, LayoutLineBreaksStayOutOtherBytesGoIn) {
    EXPECT_EQ(BeforeTag("\n    "), "");          // indentation of a tag
    EXPECT_EQ(BeforeTag("   "), "");             // blanks only before a tag
    EXPECT_EQ(BeforeTag("\n  Hello\n  "), "  Hello");
    EXPECT_EQ(BeforeTag("\r\n\r\n  Hi\r\n"), "  Hi");
    EXPECT_EQ(BeforeTag("\n  \n  "), "");          // empty line with spaces
    EXPECT_EQ(BeforeTag("one\ntwo"), "one\ntwo");  // text running up to the tag stays whole
    EXPECT_EQ(BeforeTag("x"), "x");
    EXPECT_EQ(BeforeTag("A \"quoted\" word"), "A \"quoted\" word");
    EXPECT_EQ(Plain("\n"), "");
    EXPECT_EQ(Plain("\r\n"), "");
    EXPECT_EQ(Plain("ab"), "ab");
    EXPECT_EQ(Plain("line1\nline2"), "line1\nline2");
    EXPECT_EQ(Plain("\xC3\xA9t\xC3\xA9"), "\xC3\xA9t\xC3\xA9");
}

TEST(XmlText, EntitiesDecodeInOnePassIncludingNumericReferences) {
    EXPECT_EQ(DecodeEntities("a &amp; b &lt;c&gt; &apos;&quot;"), "a & b <c> '\"");
    EXPECT_EQ(DecodeEntities("&amp;lt;"), "&lt;");
    EXPECT_EQ(DecodeEntities("&#65;&#x42;&#x20AC;&#128512;"), "AB\xE2\x82\xAC\xF0\x9F\x98\x80");
    // Unknown and malformed references stay as written.
    for (const char* kept : {"&nbsp;", "&#;", "&#x;", "&#65", "&#xZZ;", "&#0;", "&#xD800;",
                             "&#x110000;", "&#99999999999999999999;", "&", "a&b", "&#X41;"}) {
        EXPECT_EQ(DecodeEntities(kept), kept);
    }
}

}  // namespace
