#pragma once
// SVG lengths: a number and its unit, and their size in user units (CSS
// pixels, 96 to the inch) or in millimetres.
#include <string_view>

namespace vx {

enum class LengthUnit { kNone, kPx, kMm, kCm, kIn, kPt, kPc, kEm, kEx, kPercent };

// A number with an optional unit (none px mm cm in pt pc em ex %, in any
// letter case), blanks around it allowed. False for anything else, a missing
// number or one that is not finite; value and unit are then unchanged.
bool ParseLength(std::string_view text, double& value, LengthUnit& unit);

// mm cm in pt pc and px: a size that needs no font or viewport. A bare number
// is not one, although it reads as px where a size is needed.
bool IsAbsolute(LengthUnit unit);

// An absolute length (or a bare number, read as px) in millimetres; NaN for
// em, ex and %, which have no size of their own.
double ToMillimetres(double value, LengthUnit unit);

// The length in user units: em is the font size, ex half of it (the x-height
// browsers take without font metrics), % a hundredth of percentBase.
double ToUserUnits(double value, LengthUnit unit, double fontSize, double percentBase);

// What a percentage of a length that is neither a width nor a height (a
// radius, a stroke width) refers to: the viewport's diagonal / sqrt(2).
double DiagonalPercentBase(double viewportWidth, double viewportHeight);

}  // namespace vx
