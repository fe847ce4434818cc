#include "resolve/browser_reading.h"

#include <unordered_set>

#include "base/text.h"
#include "resolve/browser_walk.h"
#include "svg/layer_names.h"

void vx::CollectLayerTitles(const CXML& svg, std::vector<std::string>& names) {
    // DXF layer names ignore case.
    std::unordered_set<std::string> seenLower;
    std::vector<const CXML*> pending{&svg};
    while (!pending.empty()) {
        const CXML* element = pending.back();
        pending.pop_back();
        const bool group = LocalName(element->m_strTag) == "g";
        const std::string* title = group ? LayerTitle(*element) : nullptr;
        std::string name = title ? LayerNameFromId(*title) : std::string();
        if (!name.empty() && seenLower.insert(ToLower(name)).second)
            names.push_back(std::move(name));
        pending.insert(pending.end(), element->Children().rbegin(), element->Children().rend());
    }
}
