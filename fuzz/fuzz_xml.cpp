// The XML reader on arbitrary bytes: it must build a tree (or give up) without
// reading outside the buffer, and the tree must be walkable and freeable.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "xml/xml_node.h"
#include "xml/xml_parser.h"

namespace {

// Touches every name, text and attribute so that a dangling view would show.
size_t WalkTree(CXML& node, int depth) {
    size_t bytes = node.m_strTag.size() + node.m_strText.size();
    for (CAttribute* a = node.GetFirstAttribute(); a; a = node.GetNextAttribute())
        bytes += a->GetName().size() + a->GetValue().size();
    if (depth > kMaxXmlDepth + 1) __builtin_trap();  // the reader promised a bound
    for (CXML* child : node.Children()) bytes += WalkTree(*child, depth + 1);
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CXML root;
    LoadXml(root, text, "", nullptr);
    WalkTree(root, 0);
    DecodeEntities(text);
    // A named root must be found the same lenient way.
    CXML svgRoot;
    LoadXml(svgRoot, text, "svg", nullptr);
    return 0;
}
