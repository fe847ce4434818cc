// Planted in xml/'s tests by the test link check: a test that calls up into
// the converter's input decoding (convert/), which xml/'s test binary must not link.
#include <gtest/gtest.h>

#include <string>

#include "convert/input_text.h"

TEST(ClimbingTest, ParsesDecodedInput) {
    std::string text = "\xEF\xBB\xBF<svg/>", failure;
    EXPECT_TRUE(vx::DecodeInputText(text, failure));
}
