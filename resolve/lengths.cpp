#include "resolve/lengths.h"

#include <cmath>

#include "base/text.h"

namespace vx {

namespace {

constexpr double kPxPerInch = 96;
constexpr double kMmPerInch = 25.4;

struct CUnitName {
    std::string_view name;
    LengthUnit unit;
};

constexpr CUnitName kUnitNames[] = {
    {"", LengthUnit::kNone}, {"px", LengthUnit::kPx}, {"mm", LengthUnit::kMm},
    {"cm", LengthUnit::kCm}, {"in", LengthUnit::kIn}, {"pt", LengthUnit::kPt},
    {"pc", LengthUnit::kPc}, {"em", LengthUnit::kEm}, {"ex", LengthUnit::kEx},
    {"%", LengthUnit::kPercent},
};

// CSS pixels per unit of the absolute units (a bare number counts as px); 0
// for the others.
double PxPerUnit(LengthUnit unit) {
    switch (unit) {
        case LengthUnit::kNone:
        case LengthUnit::kPx: return 1;
        case LengthUnit::kMm: return kPxPerInch / kMmPerInch;
        case LengthUnit::kCm: return 10 * kPxPerInch / kMmPerInch;
        case LengthUnit::kIn: return kPxPerInch;
        case LengthUnit::kPt: return kPxPerInch / 72;
        case LengthUnit::kPc: return kPxPerInch / 6;
        default: return 0;
    }
}

}  // namespace

bool ParseLength(std::string_view text, double& value, LengthUnit& unit) {
    text = TrimView(text);
    size_t used = 0;
    const double number = ReadNumber(text, used);
    if (used == 0 || !std::isfinite(number)) return false;
    for (const CUnitName& name : kUnitNames)
        if (EqualsNoCase(text.substr(used), name.name)) {
            value = number;
            unit = name.unit;
            return true;
        }
    return false;
}

bool IsAbsolute(LengthUnit unit) { return unit != LengthUnit::kNone && PxPerUnit(unit) > 0; }

double ToMillimetres(double value, LengthUnit unit) {
    if (unit == LengthUnit::kMm) return value;  // no rounding through pixels
    const double px = PxPerUnit(unit);
    return px > 0 ? value * px * (kMmPerInch / kPxPerInch) : std::nan("");
}

double ToUserUnits(double value, LengthUnit unit, double fontSize, double percentBase) {
    switch (unit) {
        case LengthUnit::kEm: return value * fontSize;
        case LengthUnit::kEx: return value * fontSize / 2;
        case LengthUnit::kPercent: return value * percentBase / 100;
        default: return value * PxPerUnit(unit);
    }
}

double DiagonalPercentBase(double viewportWidth, double viewportHeight) {
    return std::hypot(viewportWidth, viewportHeight) / std::sqrt(2.0);
}

}  // namespace vx
