#include "resolve/browser_walk.h"

#include <algorithm>
#include <cmath>

#include "base/matrix.h"
#include "base/text.h"
#include "geometry/ellipse_image.h"
#include "geometry/path_parser.h"
#include "geometry/subpaths.h"
#include "geometry/transform_list.h"
#include "resolve/element_access.h"
#include "resolve/lengths.h"
#include "resolve/shape_paths.h"
#include "resolve/viewport.h"
#include "svg/layer_names.h"
#include "xml/xml_node.h"
#include "xml/xml_parser.h"

namespace vx {

namespace {

// use inside use inside use...: deeper than any drawing nests them.
constexpr size_t kMaxUseDepth = 32;
// Clipper's work on one document's clip paths (see CClipBudget): some four
// seconds, reached only by hostile drawings.
constexpr double kClipWork = 1e9;

bool IsContainer(std::string_view name) {
    return name == "svg" || name == "g" || name == "a" || name == "switch";
}

bool IsDrawable(std::string_view name) {
    return name == "path" || name == "rect" || name == "circle" || name == "ellipse" ||
           name == "line" || name == "polyline" || name == "polygon" || name == "text" ||
           name == "image" || name == "use";
}

std::string LayerOf(const CXML& group, const std::string& parentLayer) {
    const std::string* title = LayerTitle(group);
    std::string name = title ? vx::LayerNameFromId(*title) : std::string();
    return name.empty() ? parentLayer : name;
}

}  // namespace

std::string_view LocalName(const std::string& tag) {
    const size_t colon = tag.find(':');
    std::string_view name(tag);
    if (colon != std::string::npos && name.substr(0, colon) == "svg") name.remove_prefix(colon + 1);
    return name;
}

const std::string* LayerTitle(const CXML& group) {
    const std::string* mode = group.FindAttribute("inkscape:groupmode");
    const std::string* label = group.FindAttribute("inkscape:label");
    if (mode && *mode == "layer" && label && !TrimView(*label).empty()) return label;
    return group.FindAttribute("id");
}

CBrowserWalk::CBrowserWalk(IResolvedDrawing& drawing, IWalkControl& control, const CXML& svg,
                           long long visitLimit)
    : m_drawing(drawing), m_control(control), m_svg(svg), m_visitsLeft(visitLimit), m_clipBudget(kClipWork) {
    m_sheet.AddStyleElements(svg);
    IndexIds(svg, m_ids);
}

void CBrowserWalk::Run(const CRootFrame& root) {
    m_flatness = root.flatness;
    CResolveFrame top;
    top.toDrawing = root.toDrawing;
    CResolveFrame frame;
    if (!Enter(m_svg, top, frame)) return;
    m_ancestors.push_back(&m_svg);
    const auto& children = m_svg.Children();
    for (size_t i = 0; i < children.size(); ++i) {
        Walk(*children[i], frame);
        m_control.ReportProgress(int(15 + (i + 1) * 80.0 / children.size()));
    }
    m_ancestors.pop_back();
}

void CBrowserWalk::Walk(const CXML& element, const CResolveFrame& parent) {
    const std::string_view name = LocalName(element.m_strTag);
    // Unknown elements are not drawn, nor is anything inside them.
    if (!IsContainer(name) && !IsDrawable(name)) return;
    CResolveFrame frame;
    if (!Enter(element, parent, frame)) return;
    if (name == "use") return ExpandUse(element, frame);
    if (IsDrawable(name)) Draw(element, name, frame);
    if (name == "switch") return WalkSwitch(element, frame);
    if (IsContainer(name)) WalkChildren(element, frame);
}

// A browser draws only the first child of a switch whose conditions hold. A
// child needing an extension (a foreignObject of HTML, say) cannot be drawn
// here, so the first that can be stands in: the fallback its author wrote.
void CBrowserWalk::WalkSwitch(const CXML& element, const CResolveFrame& frame) {
    m_ancestors.push_back(&element);
    for (const CXML* child : element.Children()) {
        const std::string_view name = LocalName(child->m_strTag);
        if ((IsContainer(name) || IsDrawable(name)) && !child->FindAttribute("requiredExtensions")) {
            Walk(*child, frame);
            break;
        }
    }
    m_ancestors.pop_back();
}

void CBrowserWalk::WalkChildren(const CXML& element, const CResolveFrame& frame) {
    m_ancestors.push_back(&element);
    for (const CXML* child : element.Children()) Walk(*child, frame);
    m_ancestors.pop_back();
}

// The frame an element draws in and hands down; false when nothing of it shows.
bool CBrowserWalk::Enter(const CXML& element, const CResolveFrame& parent, CResolveFrame& frame) {
    if (--m_visitsLeft < 0) return false;
    m_control.ThrowIfCancelled();
    frame.style = ComputeStyle(element, m_ancestors, parent.style, m_sheet);
    if (frame.style.Get(CssProperty::Display) == "none") return false;
    // A group at zero opacity hides all it holds.
    if (OpacityOf(frame.style.Get(CssProperty::Opacity)) <= 0) return false;
    frame.toDrawing = parent.toDrawing;
    frame.layer = parent.layer;
    CMatrix own;
    if (ParseTransformList(AttributeText(element, "transform"), own))
        frame.toDrawing = Multiply(frame.toDrawing, own);
    const std::string_view name = LocalName(element.m_strTag);
    if (name == "svg" && &element != &m_svg) {
        const CMatrix at = Translation(NumberAttribute(element, "x"), NumberAttribute(element, "y"));
        const CMatrix view = ViewportOf(element, NumberAttribute(element, "width"),
                                        NumberAttribute(element, "height"));
        frame.toDrawing = Multiply(frame.toDrawing, Multiply(at, view));
    }
    if (name == "g") frame.layer = LayerOf(element, parent.layer);
    frame.clip = parent.clip;
    NoteEffects(frame.style);
    ApplyClipPath(element, frame);
    return true;
}

// The referenced element drawn as if it stood in place of the use, moved by
// x and y; a symbol's viewBox maps onto the use's width and height.
void CBrowserWalk::ExpandUse(const CXML& use, const CResolveFrame& frame) {
    const CXML* referenced = FindReferenced(m_ids, ReferenceOf(use));
    if (!referenced) return;
    const CXML& target = *referenced;
    // A use inside what it refers to would draw itself without end: browsers draw nothing for it.
    const auto refersBack = [&target](const std::vector<const CXML*>& chain) {
        return std::find(chain.begin(), chain.end(), &target) != chain.end();
    };
    const bool cycle = refersBack(m_useTargets) || refersBack(m_ancestors) || &target == &use;
    if (cycle || m_useTargets.size() >= kMaxUseDepth) return;
    CResolveFrame placed = frame;
    placed.toDrawing = Multiply(frame.toDrawing, Translation(NumberAttribute(use, "x"),
                                                             NumberAttribute(use, "y")));
    m_useTargets.push_back(&target);
    m_ancestors.push_back(&use);
    if (LocalName(target.m_strTag) == "symbol") {
        CResolveFrame symbol;
        if (Enter(target, placed, symbol)) {
            const double width = NumberAttribute(use, "width"), height = NumberAttribute(use, "height");
            symbol.toDrawing = Multiply(symbol.toDrawing, ViewportOf(target, width, height));
            WalkChildren(target, symbol);
        }
    } else {
        Walk(target, placed);
    }
    m_ancestors.pop_back();
    m_useTargets.pop_back();
}

void CBrowserWalk::Draw(const CXML& element, std::string_view name, const CResolveFrame& frame) {
    m_drawing.SetLayer(frame.layer);
    if (name == "circle" || name == "ellipse")
        DrawEllipse(element, name, frame);
    else if (name == "text")
        DrawText(element, frame);
    else if (name == "image")
        DrawImage(element, frame);
    else {
        DrawShape(element, name, frame);
        DrawMarkers(element, name, frame);
    }
}

void CBrowserWalk::DrawShape(const CXML& element, std::string_view name,
                             const CResolveFrame& frame) {
    CResolvedPaint paint = ResolvePaint(frame.style, frame.toDrawing, m_ids, m_colours);
    if (!paint.fill && !paint.stroke) return;
    paint.fillAsOutline = !m_drawing.FillsAsHatches();
    std::vector<CPolylinedata> subpaths;
    if (!ShapeSubpaths(element, name, frame.toDrawing, subpaths)) return;
    if (frame.clip && DrawClipped(subpaths, paint, *frame.clip)) return;
    m_drawing.DrawResolvedPath(subpaths, paint);
}

bool CBrowserWalk::ShapeSubpaths(const CXML& element, std::string_view name,
                                 const CMatrix& toDrawing, std::vector<CPolylinedata>& subpaths) {
    std::string data;
    if (!ShapePathData(element, name, data)) return false;
    // Each shape is read on its own: nothing carries over from the one before.
    CPathReaderState& state = m_drawing.PathReaderState();
    state.previousCommand.clear();
    state.closePending = 0;
    std::vector<CPointData> points;
    int drawn = 0;
    // Curves as fine in the drawing wherever the transform puts them.
    const double scale = LengthScale(toDrawing);
    state.tolerance = std::isfinite(scale) && scale > 0 ? m_flatness / scale : 0;
    state.svgPathRules = true;
    CollectPathPoints(state, data, points, drawn);
    state.tolerance = 0;
    state.svgPathRules = false;
    if (points.empty()) return false;
    points.back().subpathEnd = 1;
    if (state.closePending) points.back().closed = 1;
    state.closePending = 0;
    for (CPointData& p : points) vx::ApplyMatrix(toDrawing, p.x, p.y);
    SplitSubpaths(points, subpaths);
    // A closed polyline needs no repeated first point.
    for (CPolylinedata& subpath : subpaths)
        if (subpath.closed) subpath.points.pop_back();
    return true;
}

void CBrowserWalk::DrawEllipse(const CXML& element, std::string_view name,
                               const CResolveFrame& frame) {
    CResolvedPaint paint = ResolvePaint(frame.style, frame.toDrawing, m_ids, m_colours);
    if (!paint.fill && !paint.stroke) return;
    paint.fillAsOutline = !m_drawing.FillsAsHatches();
    double rx = 0, ry = 0;
    CEllipseImage image;
    if (!EllipseRadii(element, name, rx, ry) ||
        !MapEllipse(frame.toDrawing, NumberAttribute(element, "cx"), NumberAttribute(element, "cy"),
                    rx, ry, image))
        return;
    // A clip that cuts it leaves pieces of its outline: no ellipse entity draws those.
    std::vector<CPolylinedata> subpaths;
    if (frame.clip && ShapeSubpaths(element, name, frame.toDrawing, subpaths) &&
        DrawClipped(subpaths, paint, *frame.clip))
        return;
    m_drawing.DrawResolvedEllipse(image, paint);
}

void CBrowserWalk::DrawImage(const CXML& element, const CResolveFrame& frame) {
    if (frame.style.Get(CssProperty::Visibility) != "visible") return;
    const CMatrix& m = frame.toDrawing;
    const CPointMap toDrawing = [&m](double x, double y) {
        vx::ApplyMatrix(m, x, y);
        return CPointData(x, y);
    };
    const CAspectRatio aspect = ReadAspectRatio(AttributeText(element, "preserveAspectRatio"));
    m_drawing.PlaceImage(toDrawing, NumberAttribute(element, "x"), NumberAttribute(element, "y"),
                      NumberAttribute(element, "width"), NumberAttribute(element, "height"),
                      DecodeEntities(ReferenceOf(element)), &aspect);
}

}  // namespace vx
