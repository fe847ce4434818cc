#include "base/text.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

namespace vx {

std::string_view TrimLeftView(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && IsSpace(s[i])) ++i;
    return s.substr(i);
}

std::string_view TrimRightView(std::string_view s) {
    size_t n = s.size();
    while (n > 0 && IsSpace(s[n - 1])) --n;
    return s.substr(0, n);
}

std::string_view TrimView(std::string_view s) { return TrimRightView(TrimLeftView(s)); }

static char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

std::string ToLower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = LowerAscii(c);
    return out;
}

static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The exponent after an "e", held within +-1e9 so that any number of digits stays cheap.
static long long BoundedExponent(std::string_view s) {
    const bool negative = !s.empty() && s[0] == '-';
    size_t i = !s.empty() && (s[0] == '+' || s[0] == '-') ? 1 : 0;
    long long value = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i)
        value = std::min(value * 10 + (s[i] - '0'), 1000000000LL);
    return negative ? -value : value;
}

// floor(log10(value)) + 1 of a decimal number that is not 0: 3 for 123, -2 for
// 0.00123. Tells an underflow from an overflow by the digits, however many.
static long long DecimalMagnitude(std::string_view number) {
    size_t i = 0;
    while (i < number.size() && number[i] == '0') ++i;
    long long magnitude = 0;
    for (; i < number.size() && IsDigit(number[i]); ++i) ++magnitude;
    if (magnitude == 0 && i < number.size() && number[i] == '.')
        for (++i; i < number.size() && number[i] == '0'; ++i) --magnitude;
    const size_t e = number.find_first_of("eE", i);
    if (e == std::string_view::npos) return magnitude;
    return magnitude + BoundedExponent(number.substr(e + 1));
}

double ReadNumber(std::string_view s, size_t& used) {
    used = 0;
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    const size_t mantissaStart = i;
    size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j])) ++j;
            end = j;
        }
    }
    used = end;
    double value = 0;
    const char* first = s.data() + mantissaStart;
    auto result = std::from_chars(first, s.data() + end, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Out of range either way: below the smallest double it is 0, above the largest infinite.
        const std::string_view number(first, size_t(s.data() + end - first));
        value = DecimalMagnitude(number) <= 0 ? 0.0 : HUGE_VAL;
    }
    return negative ? -value : value;
}

double LeadingNumber(std::string_view s) {
    size_t used = 0;
    return ReadNumber(TrimLeftView(s), used);
}

int LeadingInt(std::string_view s) {
    s = TrimLeftView(s);
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    long long value = 0;
    while (i < s.size() && IsDigit(s[i])) {
        value = value * 10 + (s[i++] - '0');
        if (value > INT_MAX) value = INT_MAX + 1LL;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return int(value);
}

size_t DeclarationStart(std::string_view text, std::string_view name, size_t from) {
    for (size_t at = text.find(name, from); at != std::string_view::npos;
         at = text.find(name, at + 1)) {
        size_t colon = at + name.size();
        while (colon < text.size() && IsSpace(text[colon])) ++colon;
        if (colon < text.size() && text[colon] == ':') return colon + 1;
    }
    return std::string_view::npos;
}

bool DeclarationValue(std::string_view text, std::string_view name, std::string_view& value) {
    const size_t start = DeclarationStart(text, name);
    if (start == std::string_view::npos) return false;
    value = text.substr(start);
    value = TrimView(value.substr(0, value.find(';')));
    return true;
}

}  // namespace vx
