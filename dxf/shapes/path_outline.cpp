#include <algorithm>
#include <cmath>

#include "base/finite.h"
#include "dxf/shapes/shape_writer.h"
#include "geometry/path_parser.h"
#include "geometry/subpaths.h"
#include "dxf/dxf_palette.h"
#include "svg/transform_text.h"

namespace {

// Each subpath of a stroked path becomes its polyline, with its markers.
class COutlineSink : public vx::ISubpathSink {
public:
    COutlineSink(CShapeWriter& shapes, const std::string& transform)
        : m_shapes(shapes), m_transform(transform) {}
    void SubpathEnded(std::vector<CPointData>& points) override {
        m_shapes.WritePathOutline(points, m_transform);
    }

private:
    CShapeWriter& m_shapes;
    const std::string& m_transform;
};

// How much a matrix scales lengths, for stroke widths.
double LengthScale(const CMatrix& m) {
    return std::sqrt(std::fabs(m.a * m.d) + std::fabs(m.b * m.c));
}

}  // namespace

int CShapeWriter::ConvertPath(const std::string& transform, const std::string& data,
                               const std::string& dashArray, const std::string& markerStart,
                               const std::string& markerEnd) {
    m_walker.m_strMarkerStart = markerStart;
    m_walker.m_strMarkerEnd = markerEnd;
    m_walker.m_strLineType = DashLineType(dashArray);
    std::vector<CPointData> points;
    int drawn = 0;
    vx::CPathReaderState& state = m_pathReader;
    COutlineSink outline(*this, transform);
    vx::ReadPathData(state, data, points, drawn, outline);
    WritePathOutline(points, transform);  // the last subpath
    m_walker.m_strMarkerStart.clear();
    m_walker.m_strMarkerEnd.clear();
    return 0;
}

void CShapeWriter::WritePathOutline(std::vector<CPointData>& points,
                                     const std::string& transform) {
    const int n = int(points.size());
    if (n < 2) {
        points.clear();
        return;
    }
    CMatrix m;
    const bool hasTransform = vx::ParseTransform(transform, m);
    const bool closed = m_pathReader.closePending || points.back().closed;
    const double width = ScaledStrokeWidth(m, OutlineStrokeWidth());
    // The mapped first three and last three points, before the flip, orient the markers.
    CPointData head[3], tail[3];
    for (int i = 0; i < n; ++i) {
        CPointData& p = points[size_t(i)];
        MapPoint(hasTransform, m, p.x, p.y);
        if (i < 3) head[i] = p;
        if (i >= n - 3) tail[i - (n - 3)] = p;
        p.y = m_walker.m_dHeight - p.y;
    }
    const bool written = WriteDxfPolyline(points, closed, width);
    points.clear();
    // Markers would turn along a path that is not drawn.
    if (!written) return;
    // A repeated end point says nothing about the direction: look one further.
    const bool longer = n > 2;
    const CPointData& second = longer && vx::PointsCoincide(head[0], head[1]) ? head[2] : head[1];
    const CPointData& beforeLast =
        longer && vx::PointsCoincide(tail[1], tail[2]) ? tail[0] : tail[1];
    DrawPathMarker(m_walker.m_strMarkerStart, true, head[0], second);
    DrawPathMarker(m_walker.m_strMarkerEnd, false, beforeLast, tail[2]);
}

void CShapeWriter::CollectFillSubpath(std::vector<CPointData>& points,
                                       const std::string& transform,
                                       std::vector<CPolylinedata>& fills) {
    if (points.size() < 2) return;
    // A subpath that cannot be placed still goes to the fill, which then leaves
    // out the whole hatch rather than a hatch with a loop missing.
    if (vx::AllFinite(points.data(), points.size()) && !vx::HasArea(points)) {
        WritePathOutline(points, transform);
        return;
    }
    CMatrix m;
    const bool hasTransform = vx::ParseTransform(transform, m);
    CPolylinedata record;
    for (CPointData& p : points) {
        MapPoint(hasTransform, m, p.x, p.y);
        p.y = m_walker.m_dHeight - p.y;
    }
    record.points = std::move(points);
    record.width = m_walker.m_dStrokeWidth;
    record.rgb = int(m_walker.m_crStroke);
    record.closed = m_pathReader.closePending;
    record.lineType = m_walker.m_strLineType;
    record.color = vx::NearestDxfColor(m_walker.m_crStroke);
    fills.push_back(std::move(record));
    points.clear();
    m_pathReader.closePending = 0;
}

double CShapeWriter::ScaledStrokeWidth(const CMatrix& m, double width) const {
    width *= LengthScale(m);
    // Every group matrix scales the stroke too, whether or not the stack is active.
    const CMatrix* entries = m_groupTransforms.Entries();
    for (int i = m_groupTransforms.Depth() - 1; i >= 0; --i) width *= LengthScale(entries[i]);
    return width;
}

double CShapeWriter::OutlineStrokeWidth() const {
    return m_walker.m_dStrokeWidth != 0 ? m_walker.m_dStrokeWidth : m_walker.m_dGroupStrokeWidth;
}

bool CShapeWriter::WriteDxfPolyline(const std::vector<CPointData>& points, bool closed,
                                     double width) {
    return WriteDxfPolyline(points, closed, width, EntityAttributes(m_walker.m_nColor, 0, m_walker.m_strLineType));
}

bool CShapeWriter::WriteDxfPolyline(const std::vector<CPointData>& points, bool closed,
                                     double width, const DL_Attributes& attributes) {
    m_pathReader.closePending = 0;
    if (!std::isfinite(width) || !vx::AllFinite(points.data(), points.size())) {
        LeaveOutNonFinite();
        return false;
    }
    m_output.WritePolyline(points.data(), points.size(), closed, width, attributes);
    return true;
}
