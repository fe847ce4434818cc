#include "base/finite.h"
#include "dxf/shapes/shape_writer.h"

void CShapeWriter::DrawPolyline(const vx::CClassicPolyline& polyline) {
    std::vector<CPointData>& points = *polyline.points;
    for (CPointData& p : points) MapPoint(polyline.style, polyline.transform, p.x, p.y);
    WritePolylineEntity(polyline.style, points.data(), points.size(),
                        polyline.closed,
                        EntityAttributes(polyline.style.layer, polyline.style.color, 0,
                                         polyline.lineType));
}

void CShapeWriter::WritePolylineEntity(const vx::CClassicStyle& style, const CPointData* points,
                                       size_t count, bool closed,
                                       const DL_Attributes& attributes) {
    if (!vx::AllFiniteFlipped(points, count, style.height)) return LeaveOutNonFinite();
    m_dxfPoints.assign(points, points + count);
    for (CPointData& p : m_dxfPoints) p.y = style.height - p.y;
    m_output.WritePolyline(m_dxfPoints.data(), count, closed, 0, attributes);
}
