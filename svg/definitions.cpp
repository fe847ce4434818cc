#include "svg/definitions.h"

#include "base/text.h"

namespace {

// The attribute's value, or "" when the element does not have it.
const std::string& AttributeOrEmpty(const CXML& element, std::string_view name) {
    static const std::string kEmpty;
    const std::string* value = element.FindAttribute(name);
    return value ? *value : kEmpty;
}

const std::string& SymbolKey(const CSymble& record) { return record.id; }

}  // namespace

void CDefinitions::Reset() { *this = CDefinitions(); }

void CDefinitions::AddSymbol(CSymble symbol) {
    m_symbolIndex.Find(m_symbols, SymbolKey, symbol.id);  // brings the index up to date
    m_symbols.push_back(std::move(symbol));
    m_symbolIndex.Added(m_symbols.back().id);
}

void CDefinitions::Collect(const CXML& element) {
    const bool isMarker = element.m_strTag == "marker";
    const bool isSymbol = element.m_strTag == "symbol";
    if (!isMarker && !isSymbol) return;
    const std::string& id = AttributeOrEmpty(element, "id");
    // The last direct path child with a d gives the shape; nested paths are not looked at.
    // Attributes and children are read without their cursors: the walker owns those.
    const std::string* pathData = nullptr;
    const std::string* transform = nullptr;
    for (const CXML* child : element.Children()) {
        if (child->m_strTag != "path") continue;
        if (const std::string* d = child->FindAttribute("d")) pathData = d;
        if (const std::string* t = child->FindAttribute("transform")) transform = t;
    }
    if (id.empty() || !pathData || pathData->empty()) return;
    if (isSymbol) return AddSymbol(CSymble{id, *pathData});
    AddMarker(CMarkdata{id, AttributeOrEmpty(element, "refX"),
                                  AttributeOrEmpty(element, "refY"), *pathData,
                                  transform ? *transform : std::string()});
}

const CMarkdata* CDefinitions::FindMarker(std::string_view reference) const {
    for (const CMarkdata& marker : m_markers)
        if (vx::Contains(reference, marker.id)) return &marker;
    return nullptr;
}

const CSymble* CDefinitions::FindSymbol(std::string_view id) const {
    const long position = m_symbolIndex.Find(m_symbols, SymbolKey, id);
    return position < 0 ? nullptr : &m_symbols[size_t(position)];
}
