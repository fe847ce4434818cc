#include <gtest/gtest.h>

#include "convert/svg_converter.h"

namespace {

std::vector<std::string> Patterns(const CSvgConverter& conv) {
    std::vector<std::string> out;
    for (const CDashData& d : conv.Tables().m_dashes) out.push_back(d.name + "=" + d.pattern);
    return out;
}

std::vector<std::string> Families(const CSvgConverter& conv) {
    std::vector<std::string> out;
    for (const CFontData& f : conv.Tables().m_fonts) out.push_back(f.styleName + "=" + f.family);
    return out;
}

std::vector<double> Parse(const std::string& pattern, double& sum) {
    return CSvgConverter::ParseDashPattern(CDashData("Dash1", pattern), sum);
}

using Texts = std::vector<std::string>;

}  // namespace

TEST(RawScan, DashArraysOfStyleDeclarationsOnly) {
    CSvgConverter conv;
    conv.ScanRawText(
        "<path style=\"stroke-dasharray:5,3;stroke:#000\"/>"
        "<path style=\"stroke-dasharray:5,3\"/>"
        "<path style=\"stroke-dasharray: none\"/><path style=\"stroke-dasharray:none\"/>"
        "<path stroke-dasharray=\"7 7\"/>"
        "<path style='stroke-dasharray: 10 5 2 5 ;'/>"
        "<!-- stroke-dasharray:-1.5 2; -->");
    EXPECT_EQ(Patterns(conv), (Texts{"Dash1=5 3", "Dash2=10 5 2 5", "Dash3=-1.5 2"}));
}

TEST(LineTypes, EverySpellingOfOnePatternIsOneLineTypeThatEachFinds) {
    // Any mix of commas and white space separates the lengths, in the scan and
    // in the walker's lookup alike, and blanks may stand around the colon.
    const Texts spellings = {"4,2", "4, 2", "4 2", " 4 ,2 ", "4\t2", "4,\n 2", "4 ,, 2"};
    CSvgConverter conv;
    for (const std::string& spelling : spellings) {
        conv.ScanRawText("<path style=\"stroke-dasharray:" + spelling + ";stroke:#000\"/>");
        conv.ScanRawText("<path style=\"stroke-dasharray \t: " + spelling + "\"/>");
    }
    EXPECT_EQ(Patterns(conv), (Texts{"Dash1=4 2"}));
    for (const std::string& spelling : spellings)
        EXPECT_EQ(conv.LookupDashName(spelling), "Dash1") << spelling;
    EXPECT_EQ(conv.LookupDashName("4 2 4"), "");
    EXPECT_EQ(conv.LookupDashName("42"), "");
}

TEST(RawScan, FirstFontFamilyWithQuotesOfTheSingleKind) {
    CSvgConverter conv;
    conv.ScanRawText(
        "<text style=\"font-family:Arial, sans-serif\">a</text>"
        "<text style=\"font-family:'Times New Roman';font-size:3\">b</text>"
        "<text style='font-family:\"Courier\"'>c</text>"
        "<text style=\"font-family:,Arial\">d</text>"
        "<text style=\"font-family:none\">e</text>"
        "<text style=\"font-family: Arial \">f</text>"
        "<text font-family=\"Verdana\">g</text>"
        "<text style=\"font-family :\tCourier New;\">h</text>");
    EXPECT_EQ(Families(conv), (Texts{"Style-Arial=Arial",
                                     "Style-'Times New Roman'='Times New Roman'",
                                     "Style-Courier New=Courier New"}));
    EXPECT_EQ(conv.LookupStyleName(" Arial "), "Style-Arial");
    EXPECT_EQ(conv.LookupStyleName("arial"), "");
    EXPECT_EQ(conv.LookupStyleName("None"), "");
}

TEST(RawScan, StyleSheetRuleRunsOverLinesToTheNextSemicolon) {
    CSvgConverter conv;
    conv.ScanRawText("<style>\n.a{font-family:Arial\n}\n.b{fill:red;}\n</style>");
    EXPECT_EQ(Families(conv), (Texts{"Style-Arial\n}\n.b{fill:red=Arial\n}\n.b{fill:red"}));
}

TEST(RawScan, ValuesAreBoundedAndKeysAtTheVeryEndCountNot) {
    CSvgConverter conv;
    conv.ScanRawText("no keys at all");
    EXPECT_TRUE(conv.Tables().m_dashes.empty() && conv.Tables().m_fonts.empty());
    conv.ScanRawText("stroke-dasharray:");
    conv.ScanRawText("font-family:");
    EXPECT_TRUE(conv.Tables().m_dashes.empty() && conv.Tables().m_fonts.empty());

    conv.ScanRawText("stroke-dasharray:" + std::string(500, '1') + ";font-family:" +
                     std::string(300, 'F') + ";");
    ASSERT_EQ(conv.Tables().m_dashes.size(), 1u);
    EXPECT_EQ(conv.Tables().m_dashes[0].pattern.size(), 361u);
    ASSERT_EQ(conv.Tables().m_fonts.size(), 1u);
    EXPECT_EQ(conv.Tables().m_fonts[0].family.size(), 129u);
    // A zero byte ends a value as the end of the text does.
    conv.ScanRawText(std::string("font-family:Ab\0cd;", 19));
    EXPECT_EQ(conv.Tables().m_fonts.back().family, "Ab");
}

TEST(LineTypes, AddAndLookUpTrimmedPatterns) {
    CSvgConverter conv;
    EXPECT_TRUE(conv.AddDashPattern(" 5,3 "));
    EXPECT_FALSE(conv.AddDashPattern("5,3"));
    EXPECT_FALSE(conv.AddDashPattern("  "));
    EXPECT_FALSE(conv.AddDashPattern("NONE"));
    EXPECT_FALSE(conv.AddDashPattern("5, 3"));
    EXPECT_TRUE(conv.AddDashPattern("5 3 5"));
    EXPECT_EQ(Patterns(conv), (Texts{"Dash1=5 3", "Dash2=5 3 5"}));
    EXPECT_EQ(conv.LookupDashName("none"), "");

    // The table is a plain vector that others clear and fill: lookups follow it.
    conv.Tables().m_dashes.clear();
    EXPECT_EQ(conv.LookupDashName("5,3"), "");
    conv.Tables().m_dashes.push_back(CDashData("Dash7", "1 1"));
    EXPECT_EQ(conv.LookupDashName("1,1"), "Dash7");
    EXPECT_TRUE(conv.AddDashPattern("5,3"));
    EXPECT_EQ(conv.Tables().m_dashes.back().name, "Dash2");
}

TEST(TextStyles, AddFamiliesOnceEach) {
    CSvgConverter conv;
    EXPECT_FALSE(conv.AddFontFamily(""));
    EXPECT_FALSE(conv.AddFontFamily(" none "));
    EXPECT_TRUE(conv.AddFontFamily(" Arial "));
    EXPECT_FALSE(conv.AddFontFamily("Arial"));
    EXPECT_TRUE(conv.AddFontFamily("arial"));
    EXPECT_EQ(Families(conv), (Texts{"Style-Arial=Arial", "Style-arial=arial"}));
    conv.Tables().m_fonts.clear();
    EXPECT_EQ(conv.LookupStyleName("Arial"), "");
    EXPECT_TRUE(conv.AddFontFamily("Arial"));
}

TEST(LineTypes, DashPatternNumbersSplitAtCommasAndWhiteSpace) {
    const struct {
        std::string pattern;
        std::vector<double> numbers;
        double sum;
    } rows[] = {
        {"5 3", {5, 3}, 8},     {"5, 3", {5, 3}, 8},         {"5,3", {5, 3}, 8},
        {"5  3", {5, 3}, 8},    {",5\t3,", {5, 3}, 8},        {"10 5 2 5", {10, 5, 2, 5}, 22},
        {"", {}, 0},            {"x -2.5", {0, -2.5}, -2.5},
        {"1e999 1", {1e300, 1}, 1e300},  // huge numbers are bounded
    };
    for (const auto& row : rows) {
        double sum = -1;
        EXPECT_EQ(Parse(row.pattern, sum), row.numbers) << row.pattern;
        EXPECT_EQ(sum, row.sum) << row.pattern;
    }
}
