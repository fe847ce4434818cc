// Markers under the browser reading: the marker-start, marker-mid and
// marker-end of a path, line, polyline or polygon, drawn at the vertices of
// its data as a browser draws them. A marker's viewport clips its content
// unless its overflow is visible.
#include <algorithm>
#include <cmath>

#include "base/finite.h"
#include "base/matrix.h"
#include "base/text.h"
#include "geometry/path_vertices.h"
#include "geometry/transform_list.h"
#include "resolve/browser_walk.h"
#include "resolve/element_access.h"
#include "resolve/lengths.h"
#include "resolve/shape_paths.h"
#include "resolve/viewport.h"
#include "xml/xml_node.h"

namespace vx {

namespace {

constexpr double kPi = 3.14159265358979323846;

bool TakesMarkers(std::string_view name) {
    return name == "path" || name == "line" || name == "polyline" || name == "polygon";
}

double OrientAngle(std::string_view text) {
    text = TrimView(text);
    size_t used = 0;
    const double value = ReadNumber(text, used);
    if (used == 0) return 0;
    const std::string_view unit = text.substr(used);
    if (unit.empty() || EqualsNoCase(unit, "deg")) return value * kPi / 180;
    if (EqualsNoCase(unit, "rad")) return value;
    if (EqualsNoCase(unit, "grad")) return value * kPi / 200;
    if (EqualsNoCase(unit, "turn")) return value * 2 * kPi;
    return 0;
}

void ReadOrient(const CXML& marker, CMarkerSource& source) {
    const std::string& orient = AttributeText(marker, "orient");
    if (EqualsNoCase(TrimView(orient), "auto"))
        source.orient = MarkerOrient::Auto;
    else if (EqualsNoCase(TrimView(orient), "auto-start-reverse"))
        source.orient = MarkerOrient::AutoStartReverse;
    else
        source.fixedAngle = OrientAngle(orient);
}

double MarkerSize(const CXML& marker, std::string_view name) {
    return marker.FindAttribute(name) ? NumberAttribute(marker, name) : 3.0;
}

// The viewBox fitted to markerWidth x markerHeight, then moved so that the
// reference point, given in viewBox units, lands on the origin; the viewport
// moves with it and clips unless overflow is visible.
void ReadPlacement(const CXML& marker, double width, double height, CMarkerSource& source) {
    const CMatrix view = ViewportOf(marker, width, height);
    double refX = NumberAttribute(marker, "refX"), refY = NumberAttribute(marker, "refY");
    vx::ApplyMatrix(view, refX, refY);
    source.content = Multiply(Translation(-refX, -refY), view);
    const std::string& overflow = source.style.Get(CssProperty::Overflow);
    if (overflow == "visible" || overflow == "auto") return;
    source.viewport = {{-refX, -refY}, {width - refX, -refY}, {width - refX, height - refY},
                       {-refX, height - refY}};
}

}  // namespace

void CBrowserWalk::DrawMarkers(const CXML& element, std::string_view name,
                               const CResolveFrame& frame) {
    if (m_inMarker || !TakesMarkers(name)) return;
    if (frame.style.Get(CssProperty::Visibility) != "visible") return;
    CMarkerSource* start = MarkerNamed(frame.style.Get(CssProperty::MarkerStart));
    CMarkerSource* mid = MarkerNamed(frame.style.Get(CssProperty::MarkerMid));
    CMarkerSource* end = MarkerNamed(frame.style.Get(CssProperty::MarkerEnd));
    std::string data;
    if ((!start && !mid && !end) || !ShapePathData(element, name, data)) return;
    const double strokeWidth = StrokeWidthOf(frame.style);
    const auto place = [&](CMarkerSource* marker, const CPathVertex& vertex, bool reversible) {
        if (!marker || !marker->drawn) return;
        double angle = marker->fixedAngle;
        if (marker->orient != MarkerOrient::Fixed) angle = VertexAngle(vertex);
        if (reversible && marker->orient == MarkerOrient::AutoStartReverse) angle += kPi;
        const double scale = marker->scalesWithStroke ? strokeWidth : 1;
        if (!(scale > 0)) return;  // a zero stroke width shrinks its markers to nothing
        const double c = std::cos(angle) * scale, s = std::sin(angle) * scale;
        const CMatrix atVertex{c, s, -s, c, vertex.x, vertex.y};
        PlaceMarker(*marker, Multiply(frame.toDrawing, atVertex), frame);
    };
    ListPathVertices(data, [&](const CPathVertex& vertex, bool first, bool last) {
        if (Exhausted()) return;
        if (first) place(start, vertex, true);
        if (!first && !last) place(mid, vertex, false);
        if (last) place(end, vertex, false);
    });
}

// The marker a marker property names, read on its first use; nullptr for none
// or a reference to anything but a marker.
CMarkerSource* CBrowserWalk::MarkerNamed(const std::string& reference) {
    const CXML* marker = FindUrlTarget(m_ids, reference);
    if (!marker || LocalName(marker->m_strTag) != "marker") return nullptr;
    const auto [entry, added] = m_markers.try_emplace(marker);
    if (added) ReadMarker(*marker, entry->second);
    return &entry->second;
}

CComputedStyle CBrowserWalk::StyleInPlace(const CXML& element, std::vector<const CXML*>& ancestors) {
    ancestors.clear();
    for (const CXML* above = element.m_pParent; above; above = above->m_pParent) {
        ancestors.push_back(above);
        if (above == &m_svg) break;
    }
    std::reverse(ancestors.begin(), ancestors.end());
    // The cascade runs down the whole ancestry: deep trees pay for it.
    m_visitsLeft -= static_cast<long long>(ancestors.size());
    CComputedStyle inherited = CComputedStyle::Initial();
    std::vector<const CXML*> above;
    for (const CXML* ancestor : ancestors) {
        inherited = ComputeStyle(*ancestor, above, inherited, m_sheet);
        above.push_back(ancestor);
    }
    return ComputeStyle(element, above, inherited, m_sheet);
}

void CBrowserWalk::ReadMarker(const CXML& marker, CMarkerSource& source) {
    source.element = &marker;
    // Read once per marker.
    source.style = StyleInPlace(marker, source.ancestors);
    const double width = MarkerSize(marker, "markerWidth"), height = MarkerSize(marker, "markerHeight");
    source.drawn = width > 0 && height > 0;
    ReadPlacement(marker, width, height, source);
    source.scalesWithStroke = TrimView(AttributeText(marker, "markerUnits")) != "userSpaceOnUse";
    ReadOrient(marker, source);
}

// The marker's content walked as a group's children would be, on the path's
// layer and within its clip and its own viewport; at maps the marker's units
// (the vertex at the origin, turned and scaled) into the drawing.
void CBrowserWalk::PlaceMarker(CMarkerSource& marker, const CMatrix& at, const CResolveFrame& path) {
    const CMatrix placement = Multiply(at, marker.content);
    if (--m_visitsLeft < 0 || !IsFinite(placement)) return;
    CResolveFrame frame;
    frame.toDrawing = placement;
    frame.style = marker.style;
    frame.layer = path.layer;
    frame.clip = path.clip;
    if (!marker.viewport.empty() && !m_clipBudget.Refused()) {
        auto viewport = std::make_shared<CLoops>(1, marker.viewport);
        for (CPointData& corner : viewport->front()) vx::ApplyMatrix(at, corner.x, corner.y);
        if (auto clip = WithinClip(std::move(viewport), path.clip)) frame.clip = std::move(clip);
    }
    // The content's selectors see the marker's ancestors, not the path's.
    std::swap(m_ancestors, marker.ancestors);
    m_inMarker = true;
    WalkChildren(*marker.element, frame);
    m_inMarker = false;
    std::swap(m_ancestors, marker.ancestors);
}

}  // namespace vx
