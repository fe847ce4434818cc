#include "convert/input_text.h"

#include <cstdint>
#include <string_view>

#include "convert/gunzip.h"
#include "xml/xml_text.h"

namespace vx {

namespace {

constexpr uint32_t kReplacement = 0xFFFD;

bool StartsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

class CUtf16Reader {
public:
    CUtf16Reader(std::string_view bytes, bool bigEndian) : m_bytes(bytes), m_bigEndian(bigEndian) {}

    bool AtEnd() const { return m_pos >= m_bytes.size(); }
    // The next code point; surrogates that do not pair up, and a lone last
    // byte, come back as U+FFFD.
    uint32_t Next() {
        const uint32_t unit = Unit();
        if (unit < 0xD800 || unit > 0xDFFF) return unit;
        if (unit > 0xDBFF || !NextIsLowSurrogate()) return kReplacement;
        return 0x10000 + ((unit - 0xD800) << 10) + (Unit() - 0xDC00);
    }

private:
    uint32_t PeekUnit() const {
        if (m_pos + 1 >= m_bytes.size()) return kReplacement;
        const auto first = static_cast<unsigned char>(m_bytes[m_pos]);
        const auto second = static_cast<unsigned char>(m_bytes[m_pos + 1]);
        return m_bigEndian ? (first << 8 | second) : (second << 8 | first);
    }
    uint32_t Unit() {
        const uint32_t unit = PeekUnit();
        m_pos += 2;
        return unit;
    }
    bool NextIsLowSurrogate() const {
        const uint32_t unit = PeekUnit();
        return unit >= 0xDC00 && unit <= 0xDFFF;
    }

    std::string_view m_bytes;
    bool m_bigEndian;
    size_t m_pos = 0;
};

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string text;
    text.reserve(bytes.size() / 2 * 3 / 2);  // mostly ASCII markup, some letters
    for (CUtf16Reader reader(bytes, bigEndian); !reader.AtEnd();)
        xml::AppendUtf8(text, reader.Next());
    return text;
}

}  // namespace

bool DecodeInputText(std::string& content, std::string& failure) {
    if (IsGzip(content)) {
        std::string inflated;
        if (!Gunzip(content, inflated, failure)) return false;
        content = std::move(inflated);
    }
    if (StartsWith(content, "\xEF\xBB\xBF")) {
        content.erase(0, 3);
    } else if (StartsWith(content, "\xFF\xFE") || StartsWith(content, "\xFE\xFF")) {
        const bool bigEndian = content[0] == '\xFE';
        content = Utf16ToUtf8(std::string_view(content).substr(2), bigEndian);
    }
    return true;
}

}  // namespace vx
