#include "base/finite.h"
#include "dxf/shapes/points_list.h"
#include "dxf/shapes/shape_writer.h"
#include "svg/transform_text.h"

void CShapeWriter::ConvertPolyline(const std::string& transform, const std::string& points,
                                    const std::string& dashArray, bool closed) {
    if (!m_output.m_pWriter) return;
    vx::ReadPointsList(points, m_polylinePoints);
    // A single vertex draws nothing.
    if (m_polylinePoints.size() < 2) return;
    CMatrix matrix;
    const bool hasTransform = vx::ParseTransform(transform, matrix);
    for (CPointData& p : m_polylinePoints) MapPoint(hasTransform, matrix, p.x, p.y);
    WritePolylineEntity(m_polylinePoints.data(), m_polylinePoints.size(), closed,
                        EntityAttributes(m_walker.m_nColor, 0, DashLineType(dashArray)));
}

void CShapeWriter::WritePolylineEntity(const CPointData* points, size_t count, bool closed,
                                        const DL_Attributes& attributes) {
    if (!vx::AllFiniteFlipped(points, count, m_walker.m_dHeight)) return LeaveOutNonFinite();
    m_dxfPoints.assign(points, points + count);
    for (CPointData& p : m_dxfPoints) p.y = m_walker.m_dHeight - p.y;
    m_output.WritePolyline(m_dxfPoints.data(), count, closed, 0, attributes);
}
