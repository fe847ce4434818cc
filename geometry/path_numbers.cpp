#include "geometry/path_numbers.h"

#include "base/text.h"

namespace vx {

namespace {

size_t SkipDigits(std::string_view text, size_t from) {
    while (from < text.size() && IsPathDigit(text[from])) ++from;
    return from;
}

// The end of the exponent that may follow a mantissa at `from`: the sign
// after an "e" or "E" is the exponent's own, not the start of a number.
size_t SkipExponent(std::string_view text, size_t from) {
    if (from >= text.size() || (text[from] != 'e' && text[from] != 'E')) return from;
    ++from;
    if (from < text.size() && IsPathSign(text[from])) ++from;
    return SkipDigits(text, from);
}

// The end of the number that starts at `from` (a digit, sign or point there).
// A flag is one character when it is "0" or "1"; another flag is read as any
// number, so that old data with separated flags keeps its meaning.
size_t NumberEnd(std::string_view text, size_t from, bool flag) {
    if (flag && (text[from] == '0' || text[from] == '1')) return from + 1;
    size_t at = from;
    if (IsPathSign(text[at])) ++at;
    at = SkipDigits(text, at);
    if (at < text.size() && text[at] == '.') at = SkipDigits(text, at + 1);
    return SkipExponent(text, at);
}

// Skips everything up to the next character that can begin a number;
// closepath letters met close the subpath and are counted.
size_t SkipSeparators(std::string_view text, size_t from, int& closePending,
                      std::ptrdiff_t& closepaths) {
    while (from < text.size() && !StartsPathNumber(text[from])) {
        if (IsClosepath(text[from])) {
            closePending = 1;
            ++closepaths;
        }
        ++from;
    }
    return from;
}

// Closepath letters in the separators after the character that ended a
// number; none when that character already begins the next number.
std::ptrdiff_t ClosepathsAfter(std::string_view text, size_t end, int& closePending) {
    std::ptrdiff_t closepaths = 0;
    if (!StartsPathNumber(text[end])) SkipSeparators(text, end + 1, closePending, closepaths);
    return closepaths;
}

bool IsFlag(FlagPositions flags, int index) { return index < 32 && (flags >> index) & 1u; }

// Reads the numbers of one argument text in order, cut as FindNumbersEnd cuts them.
class CNumberReader {
public:
    CNumberReader(std::string_view text, int& closePending)
        : m_text(text), m_closePending(closePending) {}

    // The next number; false when only separators are left.
    bool Next(std::string_view& number, bool flag = false) {
        std::ptrdiff_t closepaths = 0;
        m_at = SkipSeparators(m_text, m_at, m_closePending, closepaths);
        if (m_at >= m_text.size()) return false;
        const size_t end = NumberEnd(m_text, m_at, flag);
        number = m_text.substr(m_at, end - m_at);
        m_at = end;
        return true;
    }

    // The next number's value, 0 when there is none.
    double NextValue() {
        std::string_view number;
        return Next(number) ? LeadingNumber(number) : 0.0;
    }

private:
    std::string_view m_text;
    int& m_closePending;
    size_t m_at = 0;
};

// "0" and "1" are the flags SVG writes; any other value keeps the old rule:
// set when its whole value, held in 16 bits, is above 0.
bool FlagValue(std::string_view flag) { return int16_t(LeadingInt(flag)) > 0; }

}  // namespace

std::ptrdiff_t FindNumbersEnd(std::string_view text, int n, int& closePending,
                              FlagPositions flags) {
    size_t at = 0;
    for (int completed = 0;; ++completed) {
        std::ptrdiff_t closepaths = 0;
        at = SkipSeparators(text, at, closePending, closepaths);
        if (at >= text.size()) return std::ptrdiff_t(text.size());
        const size_t end = NumberEnd(text, at, IsFlag(flags, completed));
        if (end >= text.size()) return std::ptrdiff_t(text.size());
        if (IsClosepath(text[end])) {
            closePending = 1;
            if (completed + 1 < n) return -1 - completed;
        }
        if (completed + 1 == n)
            return std::ptrdiff_t(end) + ClosepathsAfter(text, end, closePending);
        at = end;
    }
}

void ParsePointPair(std::string_view text, double& x, double& y, int& closePending) {
    CNumberReader reader(text, closePending);
    x = reader.NextValue();
    y = reader.NextValue();
}

bool ParseNumberList(std::string_view text, double* values, int count, int& closePending) {
    CNumberReader reader(text, closePending);
    std::string_view number;
    for (int i = 0; i < count; ++i) {
        if (reader.Next(number))
            values[i] = LeadingNumber(number);
        else if (i + 1 == count)
            values[i] = 0;
        else
            return false;
    }
    return true;
}

bool ParseArcArguments(std::string_view text, CArcArguments& arc, int& closePending) {
    CNumberReader reader(text, closePending);
    std::string_view n[7];
    for (int i = 0; i < 7; ++i)
        if (!reader.Next(n[i], IsFlag(kArcFlags, i))) return false;
    arc.rx = LeadingNumber(n[0]);
    arc.ry = LeadingNumber(n[1]);
    arc.rotation = LeadingNumber(n[2]);
    arc.largeArc = FlagValue(n[3]);
    arc.sweep = FlagValue(n[4]);
    arc.x = LeadingNumber(n[5]);
    arc.y = LeadingNumber(n[6]);
    return true;
}

}  // namespace vx
