// The converter's entry to the browser reading: the layer table and units
// before the document opens, then the walk from the outermost svg element,
// which hands its drawables back to the converter.
#include "convert/svg_converter.h"
#include "convert/svg_element.h"
#include "platform/message_sink.h"
#include "resolve/browser_reading.h"
#include "resolve/browser_walk.h"
#include "resolve/root_frame.h"

namespace {

// Elements visited, with use references expanded: enough for any real
// drawing, plus a share per byte of input; a file of nested uses that would
// expand to billions of elements fails instead.
constexpr long long kVisitsPerDocument = 1LL << 22;
constexpr long long kVisitsPerInputByte = 4;

// What the drawing asked for that the DXF lacks, one line each.
void WarnOfNotes(const vx::CWalkNotes& notes, IMessageSink& messages) {
    const auto count = [](int n) {
        return std::to_string(n) + (n == 1 ? " element" : " elements");
    };
    if (notes.clipsCutShort)
        messages.Warn("clip paths applied only in part: clipping beyond the work limit, the rest drawn whole");
    if (notes.clipsIgnored > 0)
        messages.Warn("clip paths not applied to " + count(notes.clipsIgnored) +
                      " (a shape function, text in a clip path, or the box of a group, text or picture): drawn whole");
    if (notes.masksIgnored > 0)
        messages.Warn("masks are not read: " + count(notes.masksIgnored) + " drawn unmasked");
    if (notes.textPathsLeftOut > 0)
        messages.Warn("text along a path is not read: " + std::to_string(notes.textPathsLeftOut) +
                      (notes.textPathsLeftOut == 1 ? " textPath" : " textPaths") + " left out");
    if (notes.filtersIgnored > 0)
        messages.Warn("filters are not read: " + count(notes.filtersIgnored) + " drawn unfiltered");
}

}  // namespace

void CSvgConverter::PrepareBrowserReading() {
    const CXML* svg = vx::FindSvgElement(m_xmlRoot);
    if (!svg) return;
    m_job.m_nInsUnits = vx::RootFrame(*svg).insUnits;
    std::vector<std::string> layers;
    vx::CollectLayerTitles(*svg, layers);
    m_tables.SetLayerNames(std::move(layers));
    std::vector<std::string> dashes;
    vx::CollectDashPatterns(*svg, dashes);
    for (const std::string& pattern : dashes) m_tables.AddDashPattern(pattern);
}

bool CSvgConverter::ReadAsBrowser() {
    const CXML* svg = vx::FindSvgElement(m_xmlRoot);
    if (!svg) return true;
    vx::CBrowserWalk walk(m_shapes, *this, *svg, kVisitsPerDocument + m_job.m_nInputBytes * kVisitsPerInputByte);
    walk.Run(vx::RootFrame(*svg));
    if (walk.StylesCutShort() && m_pMessages)
        m_pMessages->Warn("style sheet rules applied only in part: matching beyond the work limit");
    if (m_pMessages) WarnOfNotes(walk.Notes(), *m_pMessages);
    if (walk.Exhausted())
        return Fail("use references and markers beyond the work limit (more elements than any real drawing "
                    "of this size)");
    return true;
}
