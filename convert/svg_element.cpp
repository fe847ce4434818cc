#include "convert/svg_element.h"

#include <vector>

#include "base/text.h"

namespace vx {

namespace {

bool IsSvgName(std::string_view name) {
    const size_t colon = name.rfind(':');
    if (colon != std::string_view::npos) name.remove_prefix(colon + 1);
    return EqualsNoCase(name, "svg");
}

}  // namespace

const CXML* FindSvgElement(const CXML& root) {
    // Depth first with a stack of our own: hostile trees are wide or deep.
    std::vector<const CXML*> pending{&root};
    while (!pending.empty()) {
        const CXML* element = pending.back();
        pending.pop_back();
        if (IsSvgName(element->m_strTag)) return element;
        // Reversed, so that the first child comes off the stack first.
        pending.insert(pending.end(), element->Children().rbegin(), element->Children().rend());
    }
    return nullptr;
}

bool HoldsSvgElement(const CXML& root) { return FindSvgElement(root) != nullptr; }

}  // namespace vx
