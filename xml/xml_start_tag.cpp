#include "xml/xml_start_tag.h"

#include <algorithm>

#include "xml/xml_node.h"
#include "xml/xml_text.h"

namespace vx::xml {

namespace {

constexpr size_t npos = std::string_view::npos;

size_t FindBlank(std::string_view s) {
    for (size_t i = 0; i < s.size(); ++i)
        if (IsBlank(s[i])) return i;
    return s.size();
}

// The value after '=' (blanks skipped) and what follows it.
std::string_view TakeValue(std::string_view& rest) {
    rest = TrimLeftBlanks(rest);
    if (rest.empty() || rest[0] != '"') {
        const size_t end = FindBlank(rest);
        const std::string_view value = rest.substr(0, end);
        rest.remove_prefix(end);
        return value;
    }
    const size_t close = rest.find('"', 1);
    if (close == npos) {
        const std::string_view value = rest.substr(1);
        rest = {};
        return value;
    }
    const std::string_view value = rest.substr(1, close - 1);
    rest.remove_prefix(close + 1);
    return value;
}

}  // namespace

std::string_view RawTagName(std::string_view token) {
    // Any blank ends the name, as a space does: tools lay out tags with tabs
    // and line breaks (<path\n\td="...">).
    const size_t blank = FindBlank(token);
    if (blank < token.size()) return token.substr(1, blank - 1);
    std::string_view name = token.substr(std::min<size_t>(1, token.size()));
    if (!name.empty() && name.back() == '>') {
        name.remove_suffix(1);
        if (!name.empty() && name.back() == '/') name.remove_suffix(1);
    }
    return name;
}

std::string_view ElementName(std::string_view token) {
    if (token.empty() || token[0] != '<') return {};
    std::string_view name = RawTagName(token);
    if (!name.empty() && name.front() == '/') name.remove_prefix(1);
    return name;
}

bool IsStartTag(std::string_view token, std::string_view name) {
    if (token.empty() || token[0] != '<') return false;
    return name.empty() || RawTagName(token) == name;
}

bool IsDeclaration(std::string_view token) {
    return token.size() >= 2 && token[0] == '<' && (token[1] == '!' || token[1] == '?');
}

bool IsEndTagOf(std::string_view token, std::string_view name) {
    if (token.size() < name.size() + 3 || token.compare(0, 2, "</") != 0 ||
        token.compare(2, name.size(), name) != 0 || token.back() != '>')
        return false;
    // Blanks may stand between the name and the '>' (</g\n>).
    const std::string_view between = token.substr(2 + name.size(), token.size() - 3 - name.size());
    return TrimLeftBlanks(between).empty();
}

CStartTag ReadStartTag(std::string_view token) {
    CStartTag tag;
    tag.name = ElementName(token);
    if (token.empty()) return tag;
    tag.complete = token.back() == '>';
    // The last character closes the tag, a '/' before it closes the element.
    size_t end = token.size() - 1;
    tag.selfClosing = end > 0 && token[end - 1] == '/';
    if (tag.selfClosing) --end;
    const size_t start = RawTagName(token).size() + 1;
    if (start < end) tag.attributes = TrimBlanks(token.substr(start, end - start));
    return tag;
}

void ReadAttributes(CXML& element, std::string_view text) {
    element.m_attributes.reserve(element.m_attributes.size() +
                                 size_t(std::count(text.begin(), text.end(), '=')));
    while (text.size() > 1) {
        const size_t equals = text.find('=');
        if (equals == npos || equals == 0) break;
        const std::string_view name = TrimBlanks(text.substr(0, equals));
        std::string_view rest = text.substr(equals + 1);
        const std::string_view value = TakeValue(rest);
        element.AppendAttributeUnsorted(name, value);
        text = TrimLeftBlanks(rest);
    }
    element.SortAttributes();
}

}  // namespace vx::xml
