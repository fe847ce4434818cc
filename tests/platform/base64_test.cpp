#include <gtest/gtest.h>

#include "platform/base64.h"

TEST(Base64, DecodesPaddedUnpaddedAndWrappedText) {
    const std::pair<const char*, const char*> cases[] = {
        {"TWFu", "Man"}, {"TWE=", "Ma"}, {"TQ==", "M"}, {"TQ", "M"},
        {" TW\nFu\r\n TQ== ", "ManM"}, {"", ""}, {"+/+/", "\xFB\xFF\xBF"}};
    std::string out;
    for (const auto& [text, bytes] : cases) {
        EXPECT_TRUE(DecodeBase64(text, 100, out)) << text;
        EXPECT_EQ(out, bytes) << text;
    }
}

TEST(Base64, RejectsBadTextAndOversizedResults) {
    std::string out;
    for (const char* bad : {"T", "TWFuT", "TW=u", "TWFu=", "T===", "TW-u", "TWFu\x01", "TQ==TQ=="})
        EXPECT_FALSE(DecodeBase64(bad, 100, out)) << bad;
    EXPECT_TRUE(DecodeBase64("TWFu", 3, out));
    EXPECT_FALSE(DecodeBase64("TWFu", 2, out));
    EXPECT_FALSE(DecodeBase64("TWFuTQ==", 3, out));
}
