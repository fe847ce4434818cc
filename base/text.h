#pragma once
// Text helpers shared by every subsystem: trimming, case-insensitive matching,
// the leading-number conversion that every numeric attribute goes through.
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

namespace vx {

// Characters of UTF-8 text, as a reader counts them: bytes that do not continue a sequence.
inline size_t Utf8CharacterCount(std::string_view text) {
    return size_t(std::count_if(text.begin(), text.end(),
                                [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// White space as the C library sees it: space, \t, \n, \v, \f, \r.
inline bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view TrimView(std::string_view s);
std::string_view TrimLeftView(std::string_view s);
std::string_view TrimRightView(std::string_view s);
inline std::string Trim(std::string_view s) { return std::string(TrimView(s)); }

bool EqualsNoCase(std::string_view a, std::string_view b);
std::string ToLower(std::string_view s);
inline bool Contains(std::string_view s, std::string_view part) {
    return s.find(part) != std::string_view::npos;
}

// The decimal number at the start of the text (leading white space skipped,
// optional sign, digits, optional fraction and exponent). A text without one
// reads as 0. A number too large for a double (1e400) reads as infinite, so
// that the entity it belongs to is left out rather than drawn somewhere wrong;
// one too small for a double (1e-400, 0.000...1) reads as 0.
double LeadingNumber(std::string_view s);
// Same, but the number must start at s[0]; `used` receives its length (0 if none).
double ReadNumber(std::string_view s, size_t& used);
// atoi-like whole number at the start of the text; bounded to the int range.
int LeadingInt(std::string_view s);
// Keeps a value finite where a table or the drawing's size needs one (a dash
// length, the height every y is flipped against): NaN is 0, the rest within 1e300.
inline double Bounded(double v) { return std::isnan(v) ? 0.0 : std::clamp(v, -1e300, 1e300); }

// Position just after the colon of the first declaration "name:" at or after
// `from`, with white space allowed between name and colon ("fill : red"); npos
// when there is none. The name is found anywhere in the text, not only at the
// start of a declaration.
size_t DeclarationStart(std::string_view text, std::string_view name, size_t from = 0);
// The value of that first declaration up to the next ';' (or the end), trimmed;
// false when there is none.
bool DeclarationValue(std::string_view text, std::string_view name, std::string_view& value);

}  // namespace vx
