// Text in the browser reading: a text element's runs of characters and its
// tspans laid one after another, as a browser lays them on one line. DXF TEXT
// has no runs, so each run is its own TEXT, placed where the run before it
// ends by an estimate of its width: kAdvancePerEm of the font size per
// character (a typical sans-serif's average), since the fonts are not at hand.
#include <algorithm>
#include <cmath>

#include "base/matrix.h"
#include "base/text.h"
#include "resolve/browser_walk.h"
#include "resolve/element_access.h"
#include "resolve/lengths.h"
#include "resolve/paint.h"
#include "svg/shown_text.h"
#include "xml/xml_node.h"
#include "xml/xml_parser.h"

namespace vx {

namespace {

constexpr double kAdvancePerEm = 0.6;

int Alignment(const std::string& anchor) {
    if (anchor == "middle") return 1;
    if (anchor == "end") return 2;
    return 0;
}

double FontSizeOf(const CComputedStyle& style) {
    double size = 16;
    LengthUnit unit{};
    if (ParseLength(style.Get(CssProperty::FontSize), size, unit)) size = ToUserUnits(size, unit, 16, 16);
    return size;
}

// Characters as a reader counts them: code points, a reference as one.
size_t CharacterCount(std::string_view run) {
    if (run.find('&') == std::string_view::npos) return Utf8CharacterCount(run);
    return Utf8CharacterCount(DecodeEntities(run));
}

bool HoldsRuns(const CXML& text) {
    for (const CXML* child : text.Children())
        if (LocalName(child->m_strTag) == "tspan") return true;
    return false;
}

}  // namespace

void CBrowserWalk::DrawText(const CXML& element, const CResolveFrame& frame) {
    CTextPen pen;
    if (!HoldsRuns(element)) {
        // One run: placed at its anchor with the DXF's own alignment.
        pen.x = NumberAttribute(element, "x") + NumberAttribute(element, "dx");
        pen.y = NumberAttribute(element, "y") + NumberAttribute(element, "dy");
        const CResolvedPaint paint = ResolvePaint(frame.style, frame.toDrawing, m_ids, m_colours);
        DrawTextRun(element.m_strText, frame, paint, Alignment(frame.style.Get(CssProperty::TextAnchor)), pen);
        for (const CXML* child : element.Children())
            m_notes.textPathsLeftOut += LocalName(child->m_strTag) == "textPath";
        return;
    }
    DrawTextRuns(element, frame, pen);
}

void CBrowserWalk::DrawTextRuns(const CXML& element, const CResolveFrame& frame, CTextPen& pen) {
    if (element.FindAttribute("x")) pen.x = NumberAttribute(element, "x");
    if (element.FindAttribute("y")) pen.y = NumberAttribute(element, "y");
    pen.x += NumberAttribute(element, "dx");
    pen.y += NumberAttribute(element, "dy");
    const CResolvedPaint paint = ResolvePaint(frame.style, frame.toDrawing, m_ids, m_colours);
    const std::string_view text = element.m_strText;
    size_t from = 0;
    m_ancestors.push_back(&element);
    for (const CXML* child : element.Children()) {
        const size_t at = std::min(child->m_nTextOffset, text.size());
        if (at > from) DrawTextRun(text.substr(from, at - from), frame, paint, 0, pen);
        from = std::max(from, at);
        const std::string_view name = LocalName(child->m_strTag);
        CResolveFrame span;
        if (name == "textPath") ++m_notes.textPathsLeftOut;
        else if (name == "tspan" && Enter(*child, frame, span)) DrawTextRuns(*child, span, pen);
    }
    m_ancestors.pop_back();
    if (from < text.size()) DrawTextRun(text.substr(from), frame, paint, 0, pen);
}

// Draws the run's characters at the pen and moves the pen past them. White
// space at the start of the text takes no room; elsewhere a space does.
void CBrowserWalk::DrawTextRun(std::string_view run, const CResolveFrame& frame,
                               const CResolvedPaint& paint, int alignment, CTextPen& pen) {
    const double size = FontSizeOf(frame.style);
    const std::string_view glyphs = TrimView(run);
    if (glyphs.empty()) {
        if (pen.started && !run.empty()) pen.x += kAdvancePerEm * size;
        return;
    }
    const size_t leading = size_t(glyphs.data() - run.data());
    if (pen.started && leading > 0) pen.x += kAdvancePerEm * size;
    pen.started = true;
    if (paint.fill || paint.stroke) {
        double x = pen.x, y = pen.y;
        ApplyMatrix(frame.toDrawing, x, y);
        const CMatrix& m = frame.toDrawing;
        m_drawing.DrawResolvedText(x, y, size * LengthScale(m), std::atan2(m.b, m.a), alignment,
                                   ShownText(glyphs),
                                   frame.style.Get(CssProperty::FontFamily),
                                   paint.fill ? paint.fillColor : paint.strokeColor);
    }
    pen.x += kAdvancePerEm * size * double(CharacterCount(glyphs));
    if (glyphs.data() + glyphs.size() < run.data() + run.size()) pen.x += kAdvancePerEm * size;
}

}  // namespace vx
