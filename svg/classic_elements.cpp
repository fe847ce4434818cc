#include "svg/classic_elements.h"

#include <algorithm>
#include <cmath>

#include "base/text.h"
#include "svg/points_list.h"
#include "svg/transform_text.h"

namespace vx {

namespace {

// A radius without a number takes the other one's, as SVG has it, and each is
// at most half its side. A negative radius would make corner arcs with a
// negative axis ratio, which DXF readers reject: the corners take its size.
void CornerRadii(std::string_view rx, std::string_view ry, double w, double h, double& radiusX,
                 double& radiusY) {
    size_t usedX = 0, usedY = 0;
    radiusX = std::fabs(ReadNumber(TrimLeftView(rx), usedX));
    radiusY = std::fabs(ReadNumber(TrimLeftView(ry), usedY));
    if (usedX == 0) radiusX = radiusY;
    if (usedY == 0) radiusY = radiusX;
    radiusX = std::min(radiusX, std::fabs(w) / 2);
    radiusY = std::min(radiusY, std::fabs(h) / 2);
}

}  // namespace

CElementTransform ElementTransform(std::string_view text) {
    CElementTransform transform;
    transform.given = ParseTransform(text, transform.matrix);
    return transform;
}

CClassicStyle CClassicElements::Style() const {
    CClassicStyle style;
    style.height = m_state.m_dHeight;
    style.groups = &m_groups;
    style.color = m_state.m_nColor;
    style.fillRgb = m_state.m_crFill;
    style.strokeWidth = m_state.m_dStrokeWidth;
    style.groupStrokeWidth = m_state.m_dGroupStrokeWidth;
    style.layer = m_state.m_strLayerName;
    style.lineType = m_state.m_strLineType;
    return style;
}

bool CClassicElements::FindMarker(std::string_view reference, CClassicMarker& marker) const {
    const std::string_view name = TrimView(reference);
    if (name.empty() || name == "none") return false;
    const CMarkdata* found = m_definitions.FindMarker(name);
    if (!found) return false;
    marker.path = found->path;
    marker.transform = ElementTransform(found->transform);
    marker.refX = LeadingNumber(found->refX);
    marker.refY = LeadingNumber(found->refY);
    return true;
}

void CClassicElements::Path(std::string_view transform, std::string_view data,
                            std::string_view dashArray, std::string_view markerStart,
                            std::string_view markerEnd) {
    m_state.m_strLineType = m_tables.LineTypeName(dashArray);
    CClassicPath path{Style(), ElementTransform(transform), data};
    CClassicMarker start, end;
    if (FindMarker(markerStart, start)) path.markerStart = &start;
    if (FindMarker(markerEnd, end)) path.markerEnd = &end;
    m_drawing.DrawPath(path);
}

void CClassicElements::FillPath(std::string_view transform, std::string_view data) {
    m_drawing.FillPath(CClassicPath{Style(), ElementTransform(transform), data});
}

void CClassicElements::Polyline(std::string_view transform, std::string_view points,
                                std::string_view dashArray, bool closed) {
    ReadPointsList(points, m_points);
    // A single vertex draws nothing.
    if (m_points.size() < 2) return;
    m_drawing.DrawPolyline(
        CClassicPolyline{Style(), ElementTransform(transform), &m_points, m_tables.LineTypeName(dashArray), closed});
}

void CClassicElements::Line(std::string_view transform, std::string_view x1, std::string_view y1,
                            std::string_view x2, std::string_view y2) {
    m_drawing.DrawLine(CClassicLine{Style(), ElementTransform(transform), LeadingNumber(x1),
                                    LeadingNumber(y1), LeadingNumber(x2), LeadingNumber(y2)});
}

void CClassicElements::Rect(std::string_view transform, std::string_view x, std::string_view y,
                            std::string_view width, std::string_view height, bool filled,
                            std::string_view rx, std::string_view ry) {
    CClassicRect rect{Style(), ElementTransform(transform), LeadingNumber(x), LeadingNumber(y),
                      LeadingNumber(width), LeadingNumber(height)};
    CornerRadii(rx, ry, rect.width, rect.height, rect.rx, rect.ry);
    rect.filled = filled && m_fillOption;
    m_drawing.DrawRect(rect);
}

void CClassicElements::Circle(bool fill, std::string_view transform, std::string_view cx,
                              std::string_view cy, std::string_view r, std::string_view dashArray,
                              bool stroke) {
    if (cx.empty() || cy.empty() || r.empty()) return;
    const double radius = LeadingNumber(r);
    m_drawing.DrawEllipse(CClassicEllipse{Style(), ElementTransform(transform), LeadingNumber(cx),
                                          LeadingNumber(cy), radius, radius, true, fill,
                                          stroke || !fill, m_tables.LineTypeName(dashArray)});
}

void CClassicElements::Ellipse(bool fill, std::string_view transform, std::string_view cx,
                               std::string_view cy, std::string_view rx, std::string_view ry,
                               std::string_view dashArray, bool stroke) {
    if (cx.empty() || cy.empty() || rx.empty() || ry.empty()) return;
    // Lines and rectangles drawn after this ellipse take its line type.
    m_state.m_strLineType = m_tables.LineTypeName(dashArray);
    // A negative radius would give a negative axis ratio, which DXF readers
    // reject: the ellipse takes the radii's size.
    m_drawing.DrawEllipse(CClassicEllipse{
        Style(), ElementTransform(transform), LeadingNumber(cx), LeadingNumber(cy),
        std::fabs(LeadingNumber(rx)), std::fabs(LeadingNumber(ry)), false, fill, stroke || !fill,
        m_state.m_strLineType});
}

const CSymble* CClassicElements::FindLinkedSymbol(std::string_view link) const {
    link = TrimView(link);
    if (link.empty()) return nullptr;
    if (link[0] == '#') link.remove_prefix(1);
    return m_definitions.FindSymbol(link);
}

bool CClassicElements::ResolveUse(std::string_view transform, std::string_view x,
                                  std::string_view y, std::string_view link,
                                  CClassicUse& use) const {
    const CSymble* symbol = FindLinkedSymbol(link);
    if (!symbol) return false;
    use.style = Style();
    ParseTransform(transform, use.matrix);
    use.x = LeadingNumber(x);
    use.y = LeadingNumber(y);
    use.symbolPath = symbol->path;
    return true;
}

void CClassicElements::Use(std::string_view transform, std::string_view x, std::string_view y,
                           std::string_view link) {
    CClassicUse use;
    if (ResolveUse(transform, x, y, link, use)) m_drawing.DrawUse(use);
}

void CClassicElements::FillUse(std::string_view transform, std::string_view x,
                               std::string_view y, std::string_view link) {
    CClassicUse use;
    if (ResolveUse(transform, x, y, link, use)) m_drawing.FillUse(use);
}

}  // namespace vx
