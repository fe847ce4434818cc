#include <gtest/gtest.h>

#include "dxf/document_tables.h"
#include "tests/support/table_texts.h"

using vxtest::Families;
using vxtest::Patterns;
using vxtest::Texts;

namespace {

std::vector<double> Parse(const std::string& pattern, double& sum) {
    return CDocumentTables::ParseDashPattern(CDashData("Dash1", pattern), sum);
}

}  // namespace

TEST(LineTypes, AddAndLookUpTrimmedPatterns) {
    CDocumentTables tables;
    EXPECT_TRUE(tables.AddDashPattern(" 5,3 "));
    EXPECT_FALSE(tables.AddDashPattern("5,3"));
    EXPECT_FALSE(tables.AddDashPattern("  "));
    EXPECT_FALSE(tables.AddDashPattern("NONE"));
    EXPECT_FALSE(tables.AddDashPattern("5, 3"));
    EXPECT_TRUE(tables.AddDashPattern("5 3 5"));
    EXPECT_EQ(Patterns(tables), (Texts{"Dash1=5 3", "Dash2=5 3 5"}));
    EXPECT_EQ(tables.LookupDashName("none"), "");

    // A reset table, refilled to the same size, finds its new patterns only.
    tables.Reset();
    EXPECT_EQ(tables.LookupDashName("5,3"), "");
    EXPECT_TRUE(tables.AddDashPattern("1 1"));
    EXPECT_TRUE(tables.AddDashPattern("2 2"));
    EXPECT_EQ(tables.LookupDashName("1,1"), "Dash1");
    EXPECT_EQ(tables.LookupDashName("5 3 5"), "");
    EXPECT_TRUE(tables.AddDashPattern("5,3"));
    EXPECT_EQ(tables.Dashes().back().name, "Dash3");
}

TEST(TextStyles, AddFamiliesOnceEach) {
    CDocumentTables tables;
    EXPECT_FALSE(tables.AddFontFamily(""));
    EXPECT_FALSE(tables.AddFontFamily(" none "));
    EXPECT_TRUE(tables.AddFontFamily(" Arial "));
    EXPECT_FALSE(tables.AddFontFamily("Arial"));
    EXPECT_TRUE(tables.AddFontFamily("arial"));
    EXPECT_EQ(Families(tables), (Texts{"Style-Arial=Arial", "Style-arial=arial"}));
    tables.Reset();
    EXPECT_EQ(tables.LookupStyleName("Arial"), "");
    EXPECT_TRUE(tables.AddFontFamily("Arial"));
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
