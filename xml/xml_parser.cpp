#include "xml/xml_parser.h"

#include <memory>
#include <vector>

#include "platform/message_sink.h"
#include "xml/xml_node.h"
#include "xml/xml_start_tag.h"
#include "xml/xml_token_reader.h"

namespace {

using namespace vx::xml;

const char* const kIncompleteTagWarning = "Warning Tag Block is Incomplete";

// Builds the tree tag by tag. Recursion follows the nesting only down to
// kMaxXmlDepth; deeper subtrees are read past with an explicit stack.
class CTreeBuilder {
public:
    CTreeBuilder(std::string_view document, IMessageSink* messages)
        : m_reader(document), m_pMessages(messages) {}

    bool Load(CXML& root, const std::string& rootName);

private:
    std::string_view ReadToken(CXML& element) {
        return m_reader.ReadToken(&element.m_strText, element.m_bEndOfFile);
    }
    void FillElement(CXML& element, const CStartTag& tag, int depth);
    void ReadContent(CXML& element, int depth);
    void AddChildFrom(CXML& parent, std::string_view token, int depth);
    void SkipSubtree(const CStartTag& tag);

    CTokenReader m_reader;
    IMessageSink* m_pMessages;
    std::vector<std::string> m_skippedOpen;  // names of the skipped elements still open
};

// Whether a token read for an element becomes an element. A tag without a
// name stands for nothing; a tag cut off by the end of the document still
// counts when it starts an element.
bool IsBuildable(std::string_view token, const CStartTag& tag, bool endOfFile) {
    if (IsDeclaration(token) || tag.name.empty()) return false;
    return !endOfFile || token[1] != '/';
}

bool CTreeBuilder::Load(CXML& root, const std::string& rootName) {
    root.m_strTag = rootName;
    root.m_bEndOfFile = 0;  // a cut-off file before must not end this one early
    std::string_view token = ReadToken(root);
    CStartTag tag = ReadStartTag(token);
    while (!IsBuildable(token, tag, root.m_bEndOfFile) || !IsStartTag(token, rootName)) {
        if (root.m_bEndOfFile) {
            root.m_strText.clear();
            return false;
        }
        token = ReadToken(root);
        tag = ReadStartTag(token);
    }
    // Character data before the document element is not its text.
    root.m_strText.clear();
    FillElement(root, tag, 1);
    root.m_strText = DecodeEntities(root.m_strText);
    return true;
}

void CTreeBuilder::FillElement(CXML& element, const CStartTag& tag, int depth) {
    element.Clear();
    element.m_strTag.assign(tag.name);
    if (!tag.complete && m_pMessages) m_pMessages->ShowMessage(kIncompleteTagWarning);
    ReadAttributes(element, tag.attributes);
    if (!tag.selfClosing) ReadContent(element, depth);
}

// A style sheet is often wrapped in a CDATA section, and only a style sheet's
// is kept: elsewhere the reader has always dropped section content. Its '&'
// are escaped so that the text decodes like any other element's.
bool KeepsSections(std::string_view tag) {
    return tag == "style" || (tag.size() > 6 && tag.substr(tag.size() - 6) == ":style");
}

void AppendSection(std::string& text, std::string_view token) {
    std::string_view content = token.substr(9);  // after "<![CDATA["
    content = content.substr(0, content.find("]]>"));
    for (char c : content) {
        if (c == '&') text += "&amp;";
        else text += c;
    }
}

void CTreeBuilder::ReadContent(CXML& element, int depth) {
    const bool keepsSections = KeepsSections(element.m_strTag);
    for (;;) {
        const std::string_view token = ReadToken(element);
        if (IsEndTagOf(token, element.m_strTag)) break;
        if (keepsSections && token.compare(0, 9, "<![CDATA[") == 0) AppendSection(element.m_strText, token);
        // Any other tag, an end tag of another element included, opens a child.
        else if (!token.empty()) AddChildFrom(element, token, depth + 1);
        if (element.m_bEndOfFile) break;
    }
    std::string& text = element.m_strText;
    if (!text.empty() && text.back() == '\n') text.back() = ' ';
}

void CTreeBuilder::AddChildFrom(CXML& parent, std::string_view token, int depth) {
    const CStartTag tag = ReadStartTag(token);
    if (!IsBuildable(token, tag, parent.m_bEndOfFile)) return;
    if (depth > kMaxXmlDepth) {
        SkipSubtree(tag);
        return;
    }
    auto child = std::make_unique<CXML>();
    child->m_nTextOffset = parent.m_strText.size();
    FillElement(*child, tag, depth);
    parent.AddChild(child.release());
}

void CTreeBuilder::SkipSubtree(const CStartTag& tag) {
    if (tag.selfClosing) return;
    m_skippedOpen.assign(1, std::string(tag.name));
    int endOfFile = 0;
    while (!m_skippedOpen.empty()) {
        const std::string_view token = m_reader.ReadToken(nullptr, endOfFile);
        if (endOfFile) break;  // the enclosing element meets the end on its next read
        if (IsEndTagOf(token, m_skippedOpen.back())) {
            m_skippedOpen.pop_back();
            continue;
        }
        if (IsDeclaration(token)) continue;
        const CStartTag inner = ReadStartTag(token);
        if (!inner.name.empty() && !inner.selfClosing) m_skippedOpen.emplace_back(inner.name);
    }
    m_skippedOpen.clear();
}

}  // namespace

bool LoadXml(CXML& root, std::string_view document, const std::string& rootName,
             IMessageSink* messages) {
    try {
        CTreeBuilder builder(document, messages);
        return builder.Load(root, rootName);
    } catch (...) {
        // Out of memory on a huge document, or a failing message sink: no
        // half-built tree is left behind.
        root.Clear();
        return false;
    }
}
