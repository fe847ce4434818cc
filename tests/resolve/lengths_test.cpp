// Lengths with units, and their size in user units and millimetres.
#include <cmath>

#include <gtest/gtest.h>

#include "resolve/lengths.h"

using vx::LengthUnit;

TEST(ParseLength, NumbersWithEveryUnit) {
    const struct {
        const char* text;
        double value;
        LengthUnit unit;
    } rows[] = {
        {"12", 12, LengthUnit::kNone},   {" 12.5px ", 12.5, LengthUnit::kPx},
        {"-3mm", -3, LengthUnit::kMm},   {"2cm", 2, LengthUnit::kCm},
        {"1in", 1, LengthUnit::kIn},     {"+.5pt", 0.5, LengthUnit::kPt},
        {"2PC", 2, LengthUnit::kPc},     {"1.5em", 1.5, LengthUnit::kEm},
        {"2ex", 2, LengthUnit::kEx},     {"50%", 50, LengthUnit::kPercent},
        {"1e2mm", 100, LengthUnit::kMm}, {"1E-1In", 0.1, LengthUnit::kIn},
    };
    for (const auto& row : rows) {
        double value = -7;
        LengthUnit unit = LengthUnit::kPc;
        EXPECT_TRUE(vx::ParseLength(row.text, value, unit)) << row.text;
        EXPECT_DOUBLE_EQ(value, row.value) << row.text;
        EXPECT_EQ(unit, row.unit) << row.text;
    }
}

TEST(ParseLength, AnythingElseLeavesValueAndUnitAlone) {
    for (const char* text : {"", " ", "px", "12 px", "12pxx", "12km", "1e400mm", "nan", "inf", "12,5",
                             "12%%", "--1", "1.2.3", "3e", "3e+px"}) {
        double value = -7;
        LengthUnit unit = LengthUnit::kPc;
        EXPECT_FALSE(vx::ParseLength(text, value, unit)) << text;
        EXPECT_EQ(value, -7) << text;
        EXPECT_EQ(unit, LengthUnit::kPc) << text;
    }
}

TEST(Lengths, SizesInUserUnitsAndMillimetres) {
    const double nan = std::nan("");
    const struct {
        LengthUnit unit;
        bool absolute;
        double userUnits;  // of 3 units, font size 10, percentages of 200
        double mm;         // of 3 units
    } rows[] = {
        {LengthUnit::kNone, false, 3, 3 * 25.4 / 96},  {LengthUnit::kPx, true, 3, 3 * 25.4 / 96},
        {LengthUnit::kMm, true, 3 * 96 / 25.4, 3},     {LengthUnit::kCm, true, 30 * 96 / 25.4, 30},
        {LengthUnit::kIn, true, 288, 76.2},            {LengthUnit::kPt, true, 4, 3 * 25.4 / 72},
        {LengthUnit::kPc, true, 48, 3 * 25.4 / 6},     {LengthUnit::kEm, false, 30, nan},
        {LengthUnit::kEx, false, 15, nan},             {LengthUnit::kPercent, false, 6, nan},
    };
    for (const auto& row : rows) {
        const int unit = int(row.unit);
        EXPECT_EQ(vx::IsAbsolute(row.unit), row.absolute) << unit;
        EXPECT_NEAR(vx::ToUserUnits(3, row.unit, 10, 200), row.userUnits, 1e-12) << unit;
        if (std::isnan(row.mm))
            EXPECT_TRUE(std::isnan(vx::ToMillimetres(3, row.unit))) << unit;
        else
            EXPECT_NEAR(vx::ToMillimetres(3, row.unit), row.mm, 1e-12) << unit;
    }
    EXPECT_EQ(vx::ToMillimetres(0.1, LengthUnit::kMm), 0.1);  // exact, not through pixels
    EXPECT_DOUBLE_EQ(vx::DiagonalPercentBase(300, 400), 500 / std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(vx::DiagonalPercentBase(100, 100), 100);
}
