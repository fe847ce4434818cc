#include <gtest/gtest.h>

#include "dxf/shapes/image_names.h"
#include "platform/base64.h"

TEST(ImageNames, FileNameOfAnAddress) {
    EXPECT_EQ(vx::UrlFileName("http://host/a/logo.png"), "logo.png");
    EXPECT_EQ(vx::UrlFileName("HTTPS://Host/Logo.PNG?v=2#top"), "Logo.PNG");
    EXPECT_EQ(vx::UrlFileName("http://host/a/?x=/b.png"), "");
    EXPECT_EQ(vx::UrlFileName("http://host"), "");
    EXPECT_EQ(vx::UrlFileName("http://host?q=/x.png"), "");
    EXPECT_EQ(vx::UrlFileName("http://host/.."), "..");  // refused by IsStorableName
}

TEST(ImageNames, OnlyNamesThatStayInTheFolderAreStored) {
    EXPECT_TRUE(vx::IsStorableName("logo.png"));
    EXPECT_TRUE(vx::IsStorableName("..logo"));
    for (const char* bad : {"", ".", "..", "a\\..\\b", "a/b", "a\tb", "a\x7F"})
        EXPECT_FALSE(vx::IsStorableName(bad)) << bad;
    EXPECT_FALSE(vx::IsStorableName(std::string(256, 'a')));
}

TEST(ImageNames, DrawingNamePercentDecodingAndPictureSignatures) {
    EXPECT_EQ(vx::DrawingName("/out/plan.dxf"), "plan");
    EXPECT_EQ(vx::DrawingName("plan.DXF"), "plan");
    EXPECT_EQ(vx::DrawingName(""), "drawing");
    std::string out;
    EXPECT_TRUE(vx::PercentDecode("my%20logo%2Fx.png", out));
    EXPECT_EQ(out, "my logo/x.png");
    EXPECT_FALSE(vx::PercentDecode("a%2", out));
    EXPECT_FALSE(vx::PercentDecode("a%zz", out));
    EXPECT_FALSE(vx::PercentDecode("a%00b", out));
    EXPECT_TRUE(vx::LooksLikeRasterImage("\x89PNG\r\n\x1A\nrest"));
    EXPECT_TRUE(vx::LooksLikeRasterImage("\xFF\xD8\xFF\xE0"));
    EXPECT_FALSE(vx::LooksLikeRasterImage("root:x:0:0"));
    EXPECT_FALSE(vx::LooksLikeRasterImage(""));
}

TEST(Base64, DecodesPaddedUnpaddedAndWrappedText) {
    std::string out;
    EXPECT_TRUE(DecodeBase64("TWFu", 100, out));
    EXPECT_EQ(out, "Man");
    EXPECT_TRUE(DecodeBase64("TWE=", 100, out));
    EXPECT_EQ(out, "Ma");
    EXPECT_TRUE(DecodeBase64("TQ==", 100, out));
    EXPECT_EQ(out, "M");
    EXPECT_TRUE(DecodeBase64("TQ", 100, out));
    EXPECT_EQ(out, "M");
    EXPECT_TRUE(DecodeBase64(" TW\nFu\r\n TQ== ", 100, out));
    EXPECT_EQ(out, "ManM");
    EXPECT_TRUE(DecodeBase64("", 100, out));
    EXPECT_EQ(out, "");
    EXPECT_TRUE(DecodeBase64("+/+/", 100, out));
    EXPECT_EQ(out, "\xFB\xFF\xBF");
}

TEST(Base64, RejectsBadTextAndOversizedResults) {
    std::string out;
    for (const char* bad : {"T", "TWFuT", "TW=u", "TWFu=", "T===", "TW-u", "TWFu\x01", "TQ==TQ=="})
        EXPECT_FALSE(DecodeBase64(bad, 100, out)) << bad;
    EXPECT_TRUE(DecodeBase64("TWFu", 3, out));
    EXPECT_FALSE(DecodeBase64("TWFu", 2, out));
    EXPECT_FALSE(DecodeBase64("TWFuTQ==", 3, out));
}
