#pragma once
// Cutting and converting the numbers of SVG path data. Numbers are found the
// way the path parser has always found them (a "-" after a digit starts a new
// number, a closepath letter may end the list early), with every XML white
// space separating like a space, "+" read as a sign and an "e"/"E" exponent
// kept with its number.
#include <cstddef>
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

// The position after the first n numbers of text (the character that ended
// the n-th number, moved past closepath letters that follow it), the text
// length when it holds fewer, or -1 - (numbers completed) when a closepath
// letter cuts the list short. Sets closePending at every closepath letter met.
std::ptrdiff_t FindNumbersEnd(std::string_view text, int n, int& closePending);

// Two numbers; a missing second number reads as 0. Never fails.
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
