#include "xml/xml_token_reader.h"

#include "xml/xml_text.h"

namespace vx::xml {

namespace {

constexpr size_t npos = std::string_view::npos;

// "]" and then ">" with only blanks between: the end of an internal subset.
size_t FindSubsetEnd(std::string_view tag, size_t bracket) {
    for (size_t close = tag.find(']', bracket); close != npos; close = tag.find(']', close + 1)) {
        size_t after = close + 1;
        while (after < tag.size() && IsBlank(tag[after])) ++after;
        if (after < tag.size() && tag[after] == '>') return after + 1;
    }
    return npos;
}

size_t EndAfter(std::string_view tag, std::string_view terminator, size_t from) {
    const size_t found = tag.find(terminator, from);
    return found == npos ? npos : found + terminator.size();
}

// Length of the declaration at the start of tag, or npos when the document ends first.
size_t DeclarationLength(std::string_view tag) {
    if (tag.compare(0, 4, "<!--") == 0) return EndAfter(tag, "-->", 4);
    if (tag.compare(0, 9, "<![CDATA[") == 0) return EndAfter(tag, "]]>", 9);
    const size_t gt = tag.find('>', 2);
    const size_t bracket = tag.find('[', 2);
    if (bracket < gt) return FindSubsetEnd(tag, bracket);
    return gt == npos ? npos : gt + 1;
}

}  // namespace

std::string_view CTokenReader::ReadToken(std::string* text, int& endOfFile) {
    const size_t lt = m_document.find('<', m_pos);
    if (lt == npos) {
        std::string_view rest = m_document.substr(std::min(m_pos, m_document.size()));
        // The line break that ends the last tag's line is layout.
        if (!rest.empty() && rest[0] == '\n') rest.remove_prefix(1);
        if (text) AppendText(*text, rest);
        m_pos = m_document.size();
        endOfFile = 1;
        return {};
    }
    if (text) AppendTextBeforeTag(*text, m_document.substr(m_pos, lt - m_pos));
    return ReadTag(lt, endOfFile);
}

std::string_view CTokenReader::ReadTag(size_t lt, int& endOfFile) {
    if (m_document.compare(lt, 2, "<!") == 0) return ReadDeclaration(lt, endOfFile);
    m_singleQuotes.clear();
    const size_t size = m_document.size();
    size_t pos = lt + 1;
    // A quotation mark right after the '<' or right after a closing one opens
    // nothing, and neither does a later one of its kind until the next quoted
    // value: the reader has always taken such tags this way.
    char ignored = pos < size ? m_document[pos] : '\0';
    for (; pos < size; ++pos) {
        const char c = m_document[pos];
        if (c == '>') {
            m_pos = pos + 1;
            return TakeTag(lt, m_pos);
        }
        if ((c != '"' && c != '\'') || c == ignored) continue;
        const size_t close = m_document.find(c, pos + 1);
        if (c == '\'') m_singleQuotes.push_back(pos);
        if (close == npos) break;
        if (c == '\'') m_singleQuotes.push_back(close);
        pos = close;
        ignored = close + 1 < size ? m_document[close + 1] : '\0';
    }
    m_pos = size;
    endOfFile = 1;
    return TakeTag(lt, size);
}

std::string_view CTokenReader::ReadDeclaration(size_t lt, int& endOfFile) {
    const std::string_view tag = m_document.substr(lt);
    const size_t length = DeclarationLength(tag);
    if (length == npos) {
        m_pos = m_document.size();
        endOfFile = 1;
        return tag;
    }
    m_pos = lt + length;
    return tag.substr(0, length);
}

std::string_view CTokenReader::TakeTag(size_t lt, size_t end) {
    const std::string_view tag = m_document.substr(lt, end - lt);
    if (m_singleQuotes.empty()) return tag;
    m_token.assign(tag);
    for (size_t quote : m_singleQuotes) m_token[quote - lt] = '"';
    return m_token;
}

}  // namespace vx::xml
