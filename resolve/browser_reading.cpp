// The converter's entry to the browser reading: the layer table and units
// before the document opens, then the walk from the outermost svg element.
#include <unordered_set>

#include "base/text.h"
#include "convert/svg_converter.h"
#include "convert/svg_element.h"
#include "platform/message_sink.h"
#include "resolve/browser_walk.h"
#include "resolve/root_frame.h"
#include "svg/layer_names.h"

namespace {

// Elements visited, with use references expanded: enough for any real
// drawing, plus a share per byte of input; a file of nested uses that would
// expand to billions of elements fails instead.
constexpr long long kVisitsPerDocument = 1LL << 22;
constexpr long long kVisitsPerInputByte = 4;

}  // namespace

void CSvgConverter::PrepareBrowserReading() {
    const CXML* svg = vx::FindSvgElement(m_xmlRoot);
    if (!svg) return;
    m_job.m_nInsUnits = vx::RootFrame(*svg).insUnits;
    // Each group that names a layer; DXF layer names ignore case.
    std::unordered_set<std::string> seenLower;
    std::vector<const CXML*> pending{svg};
    while (!pending.empty()) {
        const CXML* element = pending.back();
        pending.pop_back();
        const bool group = vx::LocalName(element->m_strTag) == "g";
        const std::string* title = group ? vx::LayerTitle(*element) : nullptr;
        std::string name = title ? vx::LayerNameFromId(*title) : std::string();
        if (!name.empty() && seenLower.insert(vx::ToLower(name)).second)
            m_tables.m_arrLayerNames.push_back(std::move(name));
        pending.insert(pending.end(), element->Children().rbegin(), element->Children().rend());
    }
}

bool CSvgConverter::ReadAsBrowser() {
    const CXML* svg = vx::FindSvgElement(m_xmlRoot);
    if (!svg) return true;
    vx::CBrowserWalk walk(*this, *svg, kVisitsPerDocument + m_job.m_nInputBytes * kVisitsPerInputByte);
    walk.Run(vx::RootFrame(*svg));
    if (walk.StylesCutShort() && m_pMessages)
        m_pMessages->Warn("style sheet rules applied only in part: matching beyond the work limit");
    if (walk.Exhausted())
        return Fail("use references beyond the work limit (more elements than any real drawing "
                    "of this size)");
    return true;
}
