#include "geometry/path_numbers.h"

#include <cstdint>

#include "convert/text.h"

namespace vx {

namespace {

// A sign directly after a separator or an exponent letter belongs to the
// number it starts; after anything else it ends the number before it.
bool StartsSignedNumber(char sign, char previous) {
    return IsPathSign(sign) &&
           (previous == ',' || IsPathSpace(previous) || previous == 'e' || previous == 'E');
}

// The characters that always continue a number: digits, ".", "e" and "E".
struct CNumberBodyChars {
    bool table[256] = {};
};

constexpr CNumberBodyChars MakeNumberBodyChars() {
    CNumberBodyChars chars;
    for (char c : {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', '.', 'e', 'E'})
        chars.table[static_cast<unsigned char>(c)] = true;
    return chars;
}

constexpr CNumberBodyChars kNumberBodyChars = MakeNumberBodyChars();

// The end of the run of such characters that starts at `from`.
size_t SkipNumberBody(std::string_view text, size_t from) {
    while (from < text.size() && kNumberBodyChars.table[static_cast<unsigned char>(text[from])])
        ++from;
    return from;
}

// Skips the separators after the character that ended a number; closepath
// letters among them still close the subpath.
size_t SkipSeparators(std::string_view text, size_t from, int& closePending,
                      std::ptrdiff_t& closepaths) {
    while (from < text.size() && !IsPathDigit(text[from]) && !IsPathSign(text[from])) {
        if (IsClosepath(text[from])) {
            closePending = 1;
            ++closepaths;
        }
        ++from;
    }
    return from;
}

// The text after one number that ended at `end`: a sign there starts the
// next number, any other character separates.
std::string_view AfterNumber(std::string_view text, size_t end) {
    if (end < text.size() && IsPathSign(text[end])) return text.substr(end);
    return end + 1 <= text.size() ? text.substr(end + 1) : std::string_view();
}

// Takes the next number off the front of rest; false when nothing is left.
bool TakeNumber(std::string_view& rest, std::string_view& number, int& closePending) {
    rest = TrimLeftView(rest);
    if (rest.empty()) return false;
    const size_t end = size_t(FindNumbersEnd(rest, 1, closePending));
    number = rest.substr(0, end);
    rest = AfterNumber(rest, end);
    return true;
}

}  // namespace

std::ptrdiff_t FindNumbersEnd(std::string_view text, int n, int& closePending) {
    int completed = 0;
    char previous = '\0';
    size_t i = 0;
    while (i < text.size()) {
        // Digits, points and exponent letters carry a number on; the loop
        // stops only at the characters that may end it.
        const size_t runEnd = SkipNumberBody(text, i);
        if (runEnd != i) {
            previous = text[runEnd - 1];
            i = runEnd;
            continue;
        }
        const char c = text[i];
        if (IsClosepath(c)) {
            closePending = 1;
            if (completed < n - 1) return -1 - completed;
        } else if (StartsSignedNumber(c, previous) || i == 0) {
            previous = c;
            ++i;
            continue;
        }
        // c ends a number (a "-" or "+" here also begins the next one).
        ++completed;
        std::ptrdiff_t closepaths = 0;
        const size_t resume = SkipSeparators(text, i + 1, closePending, closepaths);
        if (completed == n) return std::ptrdiff_t(i) + closepaths;
        previous = c;
        i = resume;
    }
    return std::ptrdiff_t(text.size());
}

void ParsePointPair(std::string_view text, double& x, double& y, int& closePending) {
    text = TrimLeftView(text);
    const size_t end = size_t(FindNumbersEnd(text, 1, closePending));
    x = LeadingNumber(text.substr(0, end));
    y = LeadingNumber(AfterNumber(text, end));
}

bool ParseNumberList(std::string_view text, double* values, int count, int& closePending) {
    std::string_view number;
    for (int i = 0; i + 1 < count; ++i) {
        if (!TakeNumber(text, number, closePending)) return false;
        values[i] = LeadingNumber(number);
    }
    values[count - 1] = LeadingNumber(text);
    return true;
}

bool ParseArcArguments(std::string_view text, CArcArguments& arc, int& closePending) {
    std::string_view n[7];
    for (auto& number : n)
        if (!TakeNumber(text, number, closePending)) return false;
    arc.rx = LeadingNumber(n[0]);
    arc.ry = LeadingNumber(n[1]);
    arc.rotation = LeadingNumber(n[2]);
    // Flags are whole numbers held in 16 bits; set when greater than 0.
    arc.largeArc = int16_t(LeadingInt(n[3])) > 0;
    arc.sweep = int16_t(LeadingInt(n[4])) > 0;
    arc.x = LeadingNumber(n[5]);
    arc.y = LeadingNumber(n[6]);
    return true;
}

}  // namespace vx
