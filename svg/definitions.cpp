// Marker and symbol definitions: recorded while the walker passes them, looked
// up when a path names a marker or a use names a symbol. Only the simple form
// is understood, a definition whose shape is a direct path child.
#include "base/text.h"
#include "convert/svg_converter.h"
#include "dxf/table_index.h"

namespace {

// The attribute's value, or "" when the element does not have it.
const std::string& AttributeOrEmpty(const CXML& element, std::string_view name) {
    static const std::string kEmpty;
    const std::string* value = element.FindAttribute(name);
    return value ? *value : kEmpty;
}

}  // namespace

void CSvgConverter::CollectDefinition(CXML* element) {
    const bool isMarker = element->m_strTag == "marker";
    const bool isSymbol = element->m_strTag == "symbol";
    if (!isMarker && !isSymbol) return;
    const std::string& id = AttributeOrEmpty(*element, "id");
    // The last direct path child with a d gives the shape; nested paths are not looked at.
    // Attributes and children are read without their cursors: the walker owns those.
    const std::string* pathData = nullptr;
    const std::string* transform = nullptr;
    for (const CXML* child : element->Children()) {
        if (child->m_strTag != "path") continue;
        if (const std::string* d = child->FindAttribute("d")) pathData = d;
        if (const std::string* t = child->FindAttribute("transform")) transform = t;
    }
    if (id.empty() || !pathData || pathData->empty()) return;
    if (isSymbol) {
        CTableIndex& index = m_tables.Indexes().symbols;
        index.Find(m_tables.m_symbols, SymbolKey, id);  // brings the index up to date
        m_tables.m_symbols.push_back(CSymble{id, *pathData});
        index.Added(id);
        return;
    }
    m_tables.m_markers.push_back(CMarkdata{id, AttributeOrEmpty(*element, "refX"),
                                  AttributeOrEmpty(*element, "refY"), *pathData,
                                  transform ? *transform : std::string()});
}

// The first marker whose id occurs anywhere in the reference: url(#arrow) finds
// the marker arrow, but also an earlier marker whose id is part of that text.
const CMarkdata* CSvgConverter::FindMarker(std::string_view reference) const {
    for (const CMarkdata& marker : m_tables.m_markers)
        if (vx::Contains(reference, marker.id)) return &marker;
    return nullptr;
}

const CSymble* CSvgConverter::FindSymbol(std::string_view name) const {
    const long position = m_tables.Indexes().symbols.Find(m_tables.m_symbols, SymbolKey, name);
    return position < 0 ? nullptr : &m_tables.m_symbols[size_t(position)];
}
