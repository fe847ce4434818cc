#include "convert/svg_element.h"

#include <vector>

#include "convert/text.h"

namespace vx {

namespace {

bool IsSvgName(std::string_view name) {
    const size_t colon = name.rfind(':');
    if (colon != std::string_view::npos) name.remove_prefix(colon + 1);
    return EqualsNoCase(name, "svg");
}

}  // namespace

bool HoldsSvgElement(const CXML& root) {
    // Depth first with a stack of our own: hostile trees are wide or deep.
    std::vector<const CXML*> pending{&root};
    while (!pending.empty()) {
        const CXML* element = pending.back();
        pending.pop_back();
        if (IsSvgName(element->m_strTag)) return true;
        pending.insert(pending.end(), element->Children().begin(), element->Children().end());
    }
    return false;
}

}  // namespace vx
