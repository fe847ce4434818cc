#pragma once
// Cutting and converting the numbers of SVG path data. A number runs as far
// as a character can continue it: a sign after a digit or ".", a second ".",
// or a letter other than an exponent starts the next number or separates.
// Every XML white space separates like a space, "+" is a sign, and an "e"/"E"
// exponent (with its own sign) stays with its number. An arc flag is a single
// "0" or "1", so minified data such as "a1 1 0 011 1" needs no separators.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vx {

// Space, tab, carriage return and line feed.
inline bool IsPathSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
inline bool IsPathDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsPathSign(char c) { return c == '-' || c == '+'; }
inline bool IsClosepath(char c) { return c == 'z' || c == 'Z'; }
// Characters that can belong to a number: digits, ".", "e", "E", "-", "+".
inline bool IsNumberChar(char c) {
    return IsPathDigit(c) || c == '.' || c == 'e' || c == 'E' || IsPathSign(c);
}
// Characters that begin a number: digits, a sign or a point.
inline bool StartsPathNumber(char c) { return IsPathDigit(c) || IsPathSign(c) || c == '.'; }

// Bit i set: the i-th number of an argument list is an arc flag.
using FlagPositions = std::uint32_t;
constexpr FlagPositions kArcFlags = (1u << 3) | (1u << 4);

// The position after the first n numbers of text (the character that ended
// the n-th number, moved past closepath letters that follow it), the text
// length when it holds fewer, or -1 - (numbers completed) when a closepath
// letter right after a number cuts the list short. Sets closePending at every
// closepath letter met.
std::ptrdiff_t FindNumbersEnd(std::string_view text, int n, int& closePending,
                              FlagPositions flags = 0);

// Two numbers; a missing one reads as 0. Never fails.
void ParsePointPair(std::string_view text, double& x, double& y, int& closePending);

// count numbers one after another. The last one may be missing (it reads as
// 0); false when any earlier one is missing.
bool ParseNumberList(std::string_view text, double* values, int count, int& closePending);

struct CArcArguments {
    double rx = 0, ry = 0, rotation = 0;
    bool largeArc = false, sweep = false;
    double x = 0, y = 0;
};
// rx ry rotation large-arc sweep x y; false unless all seven are there.
bool ParseArcArguments(std::string_view text, CArcArguments& arc, int& closePending);

}  // namespace vx
