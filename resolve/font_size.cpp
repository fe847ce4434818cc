#include "resolve/font_size.h"

#include <charconv>

#include "base/text.h"

namespace vx {

namespace {

struct CSizeName {
    std::string_view name;
    double pixels;
};

constexpr CSizeName kAbsoluteUnits[] = {{"", 1},         {"px", 1},          {"pt", 4.0 / 3},
                                        {"pc", 16},      {"in", 96},         {"cm", 96 / 2.54},
                                        {"mm", 96 / 25.4}, {"q", 96 / 101.6}};
// A browser's sizes for the keywords, at its default 16 px medium.
constexpr CSizeName kKeywords[] = {{"xx-small", 9}, {"x-small", 10}, {"small", 13},   {"medium", 16},
                                   {"large", 18},   {"x-large", 24}, {"xx-large", 32}, {"xxx-large", 48}};
constexpr double kKeywordStep = 1.2;  // larger / smaller

bool Named(std::string_view name, const CSizeName* first, const CSizeName* last, double& pixels) {
    for (const CSizeName* entry = first; entry != last; ++entry) {
        if (EqualsNoCase(name, entry->name)) {
            pixels = entry->pixels;
            return true;
        }
    }
    return false;
}

bool KeywordPixels(std::string_view size, double& pixels) {
    return Named(size, std::begin(kKeywords), std::end(kKeywords), pixels);
}

bool AbsolutePixels(std::string_view size, double& pixels) {
    if (KeywordPixels(size, pixels)) return true;
    size_t used = 0;
    const double number = ReadNumber(size, used);
    double perUnit = 0;
    if (used == 0 || !Named(size.substr(used), std::begin(kAbsoluteUnits), std::end(kAbsoluteUnits), perUnit))
        return false;
    pixels = number * perUnit;
    return true;
}

std::string PixelText(double pixels) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, Bounded(pixels)).ptr);
}

// The size relative to the parent's, in pixels; false for any other size.
bool RelativePixels(std::string_view size, double parentPixels, double& pixels) {
    if (EqualsNoCase(size, "larger")) pixels = parentPixels * kKeywordStep;
    else if (EqualsNoCase(size, "smaller")) pixels = parentPixels / kKeywordStep;
    else {
        size_t used = 0;
        const double number = ReadNumber(size, used);
        const std::string_view unit = size.substr(used);
        if (used == 0 || (unit != "%" && !EqualsNoCase(unit, "em"))) return false;
        pixels = unit == "%" ? number / 100 * parentPixels : number * parentPixels;
    }
    return true;
}

}  // namespace

std::string ComputeFontSize(std::string_view size, std::string_view parentSize) {
    double pixels = 0, parentPixels = 0;
    if (KeywordPixels(size, pixels)) return PixelText(pixels);
    if (AbsolutePixels(parentSize, parentPixels) && RelativePixels(size, parentPixels, pixels))
        return PixelText(pixels);
    return std::string(size);
}

}  // namespace vx
