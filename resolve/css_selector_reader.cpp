#include <algorithm>

#include "base/text.h"
#include "resolve/css_selector.h"
#include "resolve/css_text.h"

namespace vx::css {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Matching costs up to the compound count times the depth for every element a
// rule is tried on. No sheet in use comes near this; a longer selector is
// taken as one that never matches.
constexpr size_t kMaxCompounds = 32;

struct CSpecificityCounts {
    uint64_t ids = 0, classes = 0, types = 0;
    // 21 bits each; a count past that saturates instead of spilling over.
    uint64_t Packed() const {
        constexpr uint64_t kMax = (1u << 21) - 1;
        return std::min(ids, kMax) << 42 | std::min(classes, kMax) << 21 | std::min(types, kMax);
    }
};

class CSelectorReader {
public:
    explicit CSelectorReader(std::string_view text) : m_text(text) {}
    bool Read(CSelector& out);

private:
    bool ReadCompound(CCompound& compound);
    bool ReadName(std::string& name);
    bool ReadAttribute(CAttributeTest& test);
    bool ReadAttributeValue(std::string& value);
    bool ReadPseudoClass(CCompound& compound);
    bool SkipBlanks();
    char Peek() const { return m_pos < m_text.size() ? m_text[m_pos] : '\0'; }

    std::string_view m_text;
    size_t m_pos = 0;
    CSpecificityCounts m_counts;
};

bool CSelectorReader::Read(CSelector& out) {
    SkipBlanks();
    std::vector<CCompound>& leftToRight = out.compounds;
    for (;;) {
        if (leftToRight.size() == kMaxCompounds) return false;
        leftToRight.emplace_back();
        if (!ReadCompound(leftToRight.back())) return false;
        const bool blank = SkipBlanks();
        if (m_pos == m_text.size()) break;
        if (Peek() == '>') {
            leftToRight.back().parentOfPrevious = true;
            ++m_pos;
            SkipBlanks();
        } else if (!blank) {
            return false;  // '+', '~', ',' or a character no selector has
        }
    }
    std::reverse(leftToRight.begin(), leftToRight.end());
    out.specificity = m_counts.Packed();
    return true;
}

bool CSelectorReader::ReadCompound(CCompound& compound) {
    const size_t start = m_pos;
    if (Peek() == '*') {
        ++m_pos;
    } else if (IsNameChar(Peek())) {
        if (!ReadName(compound.type)) return false;
        ++m_counts.types;
    }
    for (;;) {
        const char c = Peek();
        bool read = true;
        if (c == '#') {
            ++m_pos;
            read = ReadName(compound.ids.emplace_back());
            ++m_counts.ids;
        } else if (c == '.') {
            ++m_pos;
            read = ReadName(compound.classes.emplace_back());
            ++m_counts.classes;
        } else if (c == '[') {
            ++m_pos;
            read = ReadAttribute(compound.attributes.emplace_back());
            ++m_counts.classes;
        } else if (c == ':') {
            ++m_pos;
            read = ReadPseudoClass(compound);
            ++m_counts.classes;
        } else {
            return m_pos > start;
        }
        if (!read) return false;
    }
}

// An identifier without escapes; one starting with a digit (or '-' and a digit) is none.
bool CSelectorReader::ReadName(std::string& name) {
    const size_t start = m_pos;
    while (m_pos < m_text.size() && IsNameChar(m_text[m_pos])) ++m_pos;
    const std::string_view text = m_text.substr(start, m_pos - start);
    if (text.empty() || IsDigit(text[0]) || (text.size() > 1 && text[0] == '-' && IsDigit(text[1])))
        return false;
    name.assign(text);
    return true;
}

bool CSelectorReader::ReadAttribute(CAttributeTest& test) {
    SkipBlanks();
    if (!ReadName(test.name)) return false;
    SkipBlanks();
    if (Peek() == '=') {
        ++m_pos;
        SkipBlanks();
        test.anyValue = false;
        if (!ReadAttributeValue(test.value)) return false;
        SkipBlanks();
    }
    if (Peek() != ']') return false;  // ~= |= ^= $= *= and case flags are not read
    ++m_pos;
    return true;
}

bool CSelectorReader::ReadAttributeValue(std::string& value) {
    const char quote = Peek();
    if (quote != '"' && quote != '\'') return ReadName(value);
    const size_t close = m_text.find(quote, m_pos + 1);
    if (close == std::string_view::npos) return false;
    value.assign(m_text.substr(m_pos + 1, close - m_pos - 1));
    m_pos = close + 1;
    return value.find('\\') == std::string::npos;
}

bool CSelectorReader::ReadPseudoClass(CCompound& compound) {
    std::string name;
    if (!ReadName(name) || !EqualsNoCase(name, "root") || Peek() == '(') return false;
    compound.root = true;
    return true;
}

bool CSelectorReader::SkipBlanks() {
    const size_t start = m_pos;
    while (m_pos < m_text.size() && IsSpace(m_text[m_pos])) ++m_pos;
    return m_pos > start;
}

}  // namespace

bool ParseSelector(std::string_view text, CSelector& out) { return CSelectorReader(text).Read(out); }

}  // namespace vx::css
