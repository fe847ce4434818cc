// Clip paths in the browser reading: the area a clipPath's shapes fill, in
// drawing coordinates, cuts every drawable of the element that names it.
// Masks and filters have no counterpart in a CAD drawing: what they apply to
// is drawn as it is, and counted so that the user hears of it.
#include <algorithm>
#include <cmath>

#include "base/matrix.h"
#include "base/text.h"
#include "geometry/transform_list.h"
#include "resolve/browser_walk.h"
#include "resolve/element_access.h"
#include "resolve/paint.h"
#include "xml/xml_node.h"

namespace vx {

namespace {

bool IsClipShape(std::string_view name) {
    return name == "path" || name == "rect" || name == "circle" || name == "ellipse" ||
           name == "line" || name == "polyline" || name == "polygon";
}

bool SameMatrix(const CMatrix& p, const CMatrix& q) {
    return p.a == q.a && p.b == q.b && p.c == q.c && p.d == q.d && p.e == q.e && p.f == q.f;
}

std::vector<CPolylinedata> AsSubpaths(const CLoops& loops) {
    std::vector<CPolylinedata> subpaths(loops.size());
    for (size_t i = 0; i < loops.size(); ++i) {
        subpaths[i].points = loops[i];
        subpaths[i].closed = 1;
    }
    return subpaths;
}

}  // namespace

CWalkNotes CBrowserWalk::Notes() const {
    CWalkNotes notes = m_notes;
    notes.clipsCutShort = m_clipBudget.Refused();
    return notes;
}

void CBrowserWalk::NoteEffects(const CComputedStyle& style) {
    if (style.Get(CssProperty::Mask) != "none") ++m_notes.masksIgnored;
    if (style.Get(CssProperty::Filter) != "none") ++m_notes.filtersIgnored;
}

void CBrowserWalk::ApplyClipPath(const CXML& element, CResolveFrame& frame) {
    const std::string& value = frame.style.Get(CssProperty::ClipPath);
    if (value == "none") return;
    const CXML* clipPath = FindUrlTarget(m_ids, value);
    if (!clipPath || LocalName(clipPath->m_strTag) != "clipPath") {
        // A reference to nothing clips nothing, as browsers read it; a shape
        // function (inset(), circle()) is not read.
        if (!EqualsNoCase(TrimView(value).substr(0, 4), "url(")) ++m_notes.clipsIgnored;
        return;
    }
    const bool inBox = AttributeText(*clipPath, "clipPathUnits") == "objectBoundingBox";
    if (!inBox && m_lastClip.clipPath == clipPath && m_lastClip.parent == frame.clip &&
        SameMatrix(m_lastClip.toDrawing, frame.toDrawing)) {
        frame.clip = m_lastClip.area;
        return;
    }
    std::shared_ptr<const CLoops> area = MakeClipArea(*clipPath, element, frame);
    // Beyond the work limit the element keeps its parent's clip.
    if (!area) return;
    if (!inBox) m_lastClip = {clipPath, frame.toDrawing, frame.clip, area};
    frame.clip = std::move(area);
}

// The clip path's area within the parent's; null when it cannot be made.
std::shared_ptr<const CLoops> CBrowserWalk::MakeClipArea(const CXML& clipPath, const CXML& element,
                                                         const CResolveFrame& frame) {
    // Once clipping has passed its work limit the rest of the drawing is drawn
    // whole: reading every clip path again only to refuse it would cost as much.
    if (m_clipBudget.Refused()) return nullptr;
    CMatrix space = frame.toDrawing;
    if (AttributeText(clipPath, "clipPathUnits") == "objectBoundingBox") {
        CMatrix box;
        if (!BoundingBox(element, box)) {
            ++m_notes.clipsIgnored;
            return nullptr;
        }
        space = Multiply(space, box);
    }
    CMatrix own;
    if (ParseTransformList(AttributeText(clipPath, "transform"), own)) space = Multiply(space, own);
    std::vector<const CXML*> ancestors;
    const CComputedStyle style = StyleInPlace(clipPath, ancestors);
    ancestors.push_back(&clipPath);
    // The clip path's selectors see its own ancestors, not the element's.
    std::swap(m_ancestors, ancestors);
    CLoops shapes;
    bool readable = true;
    for (const CXML* child : clipPath.Children())
        readable = AddClipChild(*child, space, style, shapes) && readable;
    std::swap(m_ancestors, ancestors);
    // Without the area of its text the clip would cut away what a browser shows.
    if (!readable) {
        ++m_notes.clipsIgnored;
        return nullptr;
    }
    auto area = std::make_shared<CLoops>();
    if (!FilledArea(shapes, false, m_clipBudget, *area)) return nullptr;
    return WithinClip(std::move(area), frame.clip);
}

// The part of area within the parent clip's (all of it without one); null
// when the clipping is refused.
std::shared_ptr<const CLoops> CBrowserWalk::WithinClip(std::shared_ptr<const CLoops> area,
                                                       const std::shared_ptr<const CLoops>& parent) {
    if (!parent) return area;
    CLoops within;
    switch (ClipArea(*area, false, *parent, m_clipBudget, within)) {
    case ClipOutcome::Inside: return area;
    case ClipOutcome::Clipped: return std::make_shared<CLoops>(std::move(within));
    case ClipOutcome::Refused: return nullptr;
    }
    return nullptr;
}

// A shape of the clip path, or a use of one, adds the area it fills under its
// clip-rule. False for text, whose glyphs' area the walk cannot tell.
bool CBrowserWalk::AddClipChild(const CXML& child, const CMatrix& space,
                                const CComputedStyle& parentStyle, CLoops& area) {
    if (--m_visitsLeft < 0) return true;
    CMatrix toDrawing = space, own;
    if (ParseTransformList(AttributeText(child, "transform"), own)) toDrawing = Multiply(space, own);
    const CComputedStyle style = ComputeStyle(child, m_ancestors, parentStyle, m_sheet);
    if (style.Get(CssProperty::Display) == "none" || style.Get(CssProperty::Visibility) != "visible")
        return true;
    const std::string_view name = LocalName(child.m_strTag);
    if (name == "text") return false;
    if (name == "use") {
        // Only a shape or a text may stand behind a use in a clip path, so this nests no deeper.
        const CXML* target = FindReferenced(m_ids, ReferenceOf(child));
        const std::string_view targetName = target ? LocalName(target->m_strTag) : "";
        if (targetName == "text") return false;
        if (!IsClipShape(targetName)) return true;
        const CMatrix placed =
            Multiply(toDrawing, Translation(NumberAttribute(child, "x"), NumberAttribute(child, "y")));
        m_ancestors.push_back(&child);
        AddClipChild(*target, placed, style, area);
        m_ancestors.pop_back();
        return true;
    }
    std::vector<CPolylinedata> subpaths;
    if (!IsClipShape(name) || !ShapeSubpaths(child, name, toDrawing, subpaths)) return true;
    CLoops filled;
    const bool evenOdd = style.Get(CssProperty::ClipRule) == "evenodd";
    if (FilledArea(FillLoops(subpaths), evenOdd, m_clipBudget, filled))
        area.insert(area.end(), filled.begin(), filled.end());
    return true;
}

// The matrix that maps the unit square onto the element's bounding box in its
// user space; false for an element without one that the walk can tell (a
// group, a text, an image).
bool CBrowserWalk::BoundingBox(const CXML& element, CMatrix& box) {
    const std::string_view name = LocalName(element.m_strTag);
    std::vector<CPolylinedata> subpaths;
    if (!IsClipShape(name) || !ShapeSubpaths(element, name, CMatrix(), subpaths)) return false;
    double minX = HUGE_VAL, minY = HUGE_VAL, maxX = -HUGE_VAL, maxY = -HUGE_VAL;
    for (const CPolylinedata& subpath : subpaths)
        for (const CPointData& p : subpath.points) {
            minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
            minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
        }
    box = CMatrix{maxX - minX, 0, 0, maxY - minY, minX, minY};
    return maxX > minX && maxY > minY;
}

// Draws what of the shape the clip leaves; false when all of it shows, for the
// caller to draw it whole as it would unclipped.
bool CBrowserWalk::DrawClipped(const std::vector<CPolylinedata>& subpaths,
                               const CResolvedPaint& paint, const CLoops& clip) {
    if (m_clipBudget.Refused()) return false;
    CLoops fillInside;
    std::vector<CPolylinedata> linesInside;
    ClipOutcome fill = ClipOutcome::Inside, lines = ClipOutcome::Inside;
    if (paint.fill) fill = ClipArea(FillLoops(subpaths), paint.evenOdd, clip, m_clipBudget, fillInside);
    if (paint.stroke) lines = ClipLines(subpaths, clip, m_clipBudget, linesInside);
    if (fill != ClipOutcome::Clipped && lines != ClipOutcome::Clipped) return false;
    if (paint.fill) {
        CResolvedPaint filled = paint;
        filled.stroke = false;
        std::vector<CPolylinedata> areas = subpaths;
        if (fill == ClipOutcome::Clipped) {
            areas = AsSubpaths(fillInside);
            filled.evenOdd = true;  // the cut area's loops are clean: no union needed
        }
        m_drawing.DrawResolvedPath(areas, filled);
    }
    if (paint.stroke) {
        CResolvedPaint stroked = paint;
        stroked.fill = false;
        if (lines != ClipOutcome::Clipped) linesInside = subpaths;
        m_drawing.DrawResolvedPath(linesInside, stroked);
    }
    return true;
}

}  // namespace vx
