#pragma once
// Splits an XML document held in memory into tags, handing the character data
// between them to the element being filled.
#include <string>
#include <string_view>
#include <vector>

namespace vx::xml {

class CTokenReader {
public:
    explicit CTokenReader(std::string_view document) : m_document(document) {}

    // The next tag from its '<' to its '>', with values in single quotation
    // marks given in double ones. Character data met on the way is appended to
    // text (dropped when text is null). At the end of the document endOfFile is
    // set and the tag as far as it got (or "") comes back. The result stays
    // valid until the next call.
    std::string_view ReadToken(std::string* text, int& endOfFile);

private:
    std::string_view ReadTag(size_t lt, int& endOfFile);
    // Comments, character-data sections and document type declarations:
    // quotation marks inside them open nothing.
    std::string_view ReadDeclaration(size_t lt, int& endOfFile);
    std::string_view TakeTag(size_t lt, size_t end);

    std::string_view m_document;
    size_t m_pos = 0;
    std::string m_token;                 // a tag whose single quotation marks were replaced
    std::vector<size_t> m_singleQuotes;  // where the current tag has them
};

}  // namespace vx::xml
