#include "resolve/element_access.h"

#include <vector>

#include "base/text.h"
#include "xml/xml_node.h"

namespace vx {

void IndexIds(const CXML& root, CElementIds& ids) {
    std::vector<const CXML*> pending{&root};
    while (!pending.empty()) {
        const CXML* element = pending.back();
        pending.pop_back();
        if (const std::string* id = element->FindAttribute("id")) ids.emplace(*id, element);
        pending.insert(pending.end(), element->Children().begin(), element->Children().end());
    }
}

const std::string& AttributeText(const CXML& element, std::string_view name) {
    static const std::string kNone;
    const std::string* value = element.FindAttribute(name);
    return value ? *value : kNone;
}

double NumberAttribute(const CXML& element, std::string_view name) {
    const std::string* value = element.FindAttribute(name);
    return value ? LeadingNumber(*value) : 0;
}

const std::string& ReferenceOf(const CXML& element) {
    const std::string& href = AttributeText(element, "xlink:href");
    return href.empty() ? AttributeText(element, "href") : href;
}

const CXML* FindReferenced(const CElementIds& ids, std::string_view reference) {
    reference = TrimView(reference);
    if (reference.empty() || reference.front() != '#') return nullptr;
    const auto found = ids.find(reference.substr(1));
    return found == ids.end() ? nullptr : found->second;
}

const CXML* FindUrlTarget(const CElementIds& ids, std::string_view value, std::string_view* rest) {
    value = TrimView(value);
    const size_t close = value.find(')');
    if (!EqualsNoCase(value.substr(0, 4), "url(") || close == std::string_view::npos) return nullptr;
    if (rest) *rest = value.substr(close + 1);
    std::string_view reference = TrimView(value.substr(4, close - 4));
    if (reference.size() >= 2 && (reference.front() == '"' || reference.front() == '\'') &&
        reference.back() == reference.front())
        reference = reference.substr(1, reference.size() - 2);
    return FindReferenced(ids, reference);
}

}  // namespace vx
