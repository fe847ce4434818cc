#include <cstdint>
#include <string>
#include <string_view>

#include "xml/xml_parser.h"
#include "xml/xml_text.h"

namespace {

using vx::xml::AppendUtf8;

struct CNamedEntity {
    std::string_view name;  // after the '&', with the ';'
    char value;
};
constexpr CNamedEntity kNamedEntities[] = {
    {"amp;", '&'}, {"lt;", '<'}, {"gt;", '>'}, {"apos;", '\''}, {"quot;", '"'}};

constexpr uint32_t kMaxCodePoint = 0x10FFFF;

int DigitValue(char c, int base) {
    int value = 99;
    if (c >= '0' && c <= '9') value = c - '0';
    else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
    return value < base ? value : -1;
}

bool IsScalarValue(uint32_t code) {
    return code > 0 && code <= kMaxCodePoint && (code < 0xD800 || code > 0xDFFF);
}

// "#65;" or "#x41;" at the start of s: its length, or 0 when it is no valid reference.
size_t DecodeNumeric(std::string_view s, std::string& out) {
    if (s.size() < 3 || s[0] != '#') return 0;
    const int base = s[1] == 'x' ? 16 : 10;
    size_t pos = base == 16 ? 2 : 1;
    const size_t firstDigit = pos;
    uint32_t code = 0;
    for (int digit; pos < s.size() && (digit = DigitValue(s[pos], base)) >= 0; ++pos) {
        code = code * base + uint32_t(digit);
        if (code > kMaxCodePoint) return 0;  // also keeps the sum from overflowing
    }
    if (pos == firstDigit || pos >= s.size() || s[pos] != ';' || !IsScalarValue(code)) return 0;
    AppendUtf8(out, code);
    return pos + 1;
}

// The reference after an '&': appends what it stands for and returns its
// length, or 0 when it is unknown or malformed.
size_t DecodeReference(std::string_view s, std::string& out) {
    for (const CNamedEntity& entity : kNamedEntities) {
        if (s.compare(0, entity.name.size(), entity.name) == 0) {
            out += entity.value;
            return entity.name.size();
        }
    }
    return DecodeNumeric(s, out);
}

}  // namespace

std::string DecodeEntities(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    for (size_t amp = text.find('&'); amp != std::string_view::npos; amp = text.find('&', pos)) {
        out.append(text, pos, amp - pos);
        // Decoded text is never read again: "&amp;lt;" stays "&lt;".
        const size_t used = DecodeReference(text.substr(amp + 1), out);
        if (used == 0) out += '&';
        pos = amp + 1 + used;
    }
    out.append(text, pos, std::string_view::npos);
    return out;
}
