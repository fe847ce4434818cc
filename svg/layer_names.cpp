// Layer names: the id of every group, collected before the DXF tables are
// written, and the one rule that turns an id into a valid DXF layer name.
#include "convert/svg_converter.h"
#include "convert/text.h"

std::string CSvgConverter::LayerNameFromId(std::string_view id) {
    std::string name(vx::TrimView(id));
    for (char& c : name) {
        switch (c) {
            case '<': case '>': case '/': case '\\': case '"': case ':': case ';':
            case '?': case '*': case '|': case '=': case '`': case ',':
                c = '_';  // DXF table names may not hold these
                break;
            default:
                break;
        }
    }
    return name;
}

void CSvgConverter::CollectLayerNames(CXML* element) {
    std::unordered_set<std::string> seen;
    for (const std::string& name : m_arrLayerNames) seen.insert(vx::ToLower(name));
    CollectLayerNamesInto(element, seen);
}

// Groups in any letter case, ids in any letter case: exactly the ids that the
// walker makes layers of. DXF layer names ignore case, so each name once.
void CSvgConverter::CollectLayerNamesInto(CXML* element, std::unordered_set<std::string>& seenLower) {
    if (vx::EqualsNoCase(element->m_strTag, "g")) {
        for (const CAttribute& attribute : element->Attributes()) {
            if (!vx::EqualsNoCase(attribute.m_strName, "id")) continue;
            std::string name = LayerNameFromId(attribute.m_strValue);
            if (!name.empty() && seenLower.insert(vx::ToLower(name)).second)
                m_arrLayerNames.push_back(std::move(name));
        }
    }
    for (CXML* child : element->Children()) CollectLayerNamesInto(child, seenLower);
}
