#include <gtest/gtest.h>

#include "dxf/document_tables.h"
#include "svg/raw_scan.h"
#include "tests/support/table_texts.h"

using vxtest::Families;
using vxtest::Patterns;
using vxtest::Texts;

TEST(RawScan, DashArraysOfStyleDeclarationsOnly) {
    CDocumentTables tables;
    vx::ScanRawText(tables, 
        "<path style=\"stroke-dasharray:5,3;stroke:#000\"/>"
        "<path style=\"stroke-dasharray:5,3\"/>"
        "<path style=\"stroke-dasharray: none\"/><path style=\"stroke-dasharray:none\"/>"
        "<path stroke-dasharray=\"7 7\"/>"
        "<path style='stroke-dasharray: 10 5 2 5 ;'/>"
        "<!-- stroke-dasharray:-1.5 2; -->");
    EXPECT_EQ(Patterns(tables), (Texts{"Dash1=5 3", "Dash2=10 5 2 5", "Dash3=-1.5 2"}));
}

TEST(LineTypes, EverySpellingOfOnePatternIsOneLineTypeThatEachFinds) {
    // Any mix of commas and white space separates the lengths, in the scan and
    // in the walker's lookup alike, and blanks may stand around the colon.
    const Texts spellings = {"4,2", "4, 2", "4 2", " 4 ,2 ", "4\t2", "4,\n 2", "4 ,, 2"};
    CDocumentTables tables;
    for (const std::string& spelling : spellings) {
        vx::ScanRawText(tables, "<path style=\"stroke-dasharray:" + spelling + ";stroke:#000\"/>");
        vx::ScanRawText(tables, "<path style=\"stroke-dasharray \t: " + spelling + "\"/>");
    }
    EXPECT_EQ(Patterns(tables), (Texts{"Dash1=4 2"}));
    for (const std::string& spelling : spellings)
        EXPECT_EQ(tables.LookupDashName(spelling), "Dash1") << spelling;
    EXPECT_EQ(tables.LookupDashName("4 2 4"), "");
    EXPECT_EQ(tables.LookupDashName("42"), "");
}

TEST(RawScan, FirstFontFamilyWithQuotesOfTheSingleKind) {
    CDocumentTables tables;
    vx::ScanRawText(tables, 
        "<text style=\"font-family:Arial, sans-serif\">a</text>"
        "<text style=\"font-family:'Times New Roman';font-size:3\">b</text>"
        "<text style='font-family:\"Courier\"'>c</text>"
        "<text style=\"font-family:,Arial\">d</text>"
        "<text style=\"font-family:none\">e</text>"
        "<text style=\"font-family: Arial \">f</text>"
        "<text font-family=\"Verdana\">g</text>"
        "<text style=\"font-family :\tCourier New;\">h</text>");
    EXPECT_EQ(Families(tables), (Texts{"Style-Arial=Arial",
                                     "Style-'Times New Roman'='Times New Roman'",
                                     "Style-Courier New=Courier New"}));
    EXPECT_EQ(tables.LookupStyleName(" Arial "), "Style-Arial");
    EXPECT_EQ(tables.LookupStyleName("arial"), "");
    EXPECT_EQ(tables.LookupStyleName("None"), "");
}

TEST(RawScan, StyleSheetRuleRunsOverLinesToTheNextSemicolon) {
    CDocumentTables tables;
    vx::ScanRawText(tables, "<style>\n.a{font-family:Arial\n}\n.b{fill:red;}\n</style>");
    EXPECT_EQ(Families(tables), (Texts{"Style-Arial\n}\n.b{fill:red=Arial\n}\n.b{fill:red"}));
}

TEST(RawScan, ValuesAreBoundedAndKeysAtTheVeryEndCountNot) {
    CDocumentTables tables;
    vx::ScanRawText(tables, "no keys at all");
    EXPECT_TRUE(tables.Dashes().empty() && tables.Fonts().empty());
    vx::ScanRawText(tables, "stroke-dasharray:");
    vx::ScanRawText(tables, "font-family:");
    EXPECT_TRUE(tables.Dashes().empty() && tables.Fonts().empty());

    vx::ScanRawText(tables, "stroke-dasharray:" + std::string(500, '1') + ";font-family:" +
                     std::string(300, 'F') + ";");
    ASSERT_EQ(tables.Dashes().size(), 1u);
    EXPECT_EQ(tables.Dashes()[0].pattern.size(), 361u);
    ASSERT_EQ(tables.Fonts().size(), 1u);
    EXPECT_EQ(tables.Fonts()[0].family.size(), 129u);
    // A zero byte ends a value as the end of the text does.
    vx::ScanRawText(tables, std::string("font-family:Ab\0cd;", 19));
    EXPECT_EQ(tables.Fonts().back().family, "Ab");
}
