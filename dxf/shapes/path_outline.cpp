#include <algorithm>
#include <cmath>

#include "base/finite.h"
#include "dxf/shapes/shape_writer.h"
#include "geometry/path_parser.h"
#include "geometry/subpaths.h"

namespace {

// How much a matrix scales lengths, for stroke widths.
double LengthScale(const CMatrix& m) {
    return std::sqrt(std::fabs(m.a * m.d) + std::fabs(m.b * m.c));
}

}  // namespace

// Each subpath of a stroked path becomes its polyline, with its markers.
class CShapeWriter::COutlineSink : public vx::ISubpathSink {
public:
    COutlineSink(CShapeWriter& shapes, const vx::CClassicPath& path) : m_shapes(shapes), m_path(path) {}
    void SubpathEnded(std::vector<CPointData>& points) override {
        m_shapes.WritePathOutline(points, m_path);
    }

private:
    CShapeWriter& m_shapes;
    const vx::CClassicPath& m_path;
};

void CShapeWriter::DrawPath(const vx::CClassicPath& path) {
    std::vector<CPointData> points;
    int drawn = 0;
    COutlineSink outline(*this, path);
    vx::ReadPathData(m_pathReader, path.data, points, drawn, outline);
    WritePathOutline(points, path);  // the last subpath
}

void CShapeWriter::WritePathOutline(std::vector<CPointData>& points, const vx::CClassicPath& path) {
    const int n = int(points.size());
    if (n < 2) {
        points.clear();
        return;
    }
    const bool closed = m_pathReader.closePending || points.back().closed;
    const double width = ScaledStrokeWidth(path.style, path.transform.matrix);
    // The mapped first three and last three points, before the flip, orient the markers.
    CPointData head[3], tail[3];
    for (int i = 0; i < n; ++i) {
        CPointData& p = points[size_t(i)];
        MapPoint(path.style, path.transform, p.x, p.y);
        if (i < 3) head[i] = p;
        if (i >= n - 3) tail[i - (n - 3)] = p;
        p.y = path.style.height - p.y;
    }
    const bool written = WriteDxfPolyline(points, closed, width, StrokeAttributes(path.style));
    points.clear();
    // Markers would turn along a path that is not drawn.
    if (!written) return;
    // A repeated end point says nothing about the direction: look one further.
    const bool longer = n > 2;
    const CPointData& second = longer && vx::PointsCoincide(head[0], head[1]) ? head[2] : head[1];
    const CPointData& beforeLast =
        longer && vx::PointsCoincide(tail[1], tail[2]) ? tail[0] : tail[1];
    if (path.markerStart) WriteMarker(*path.markerStart, path.style, head[0], second, true);
    if (path.markerEnd) WriteMarker(*path.markerEnd, path.style, beforeLast, tail[2], false);
}

double CShapeWriter::ScaledStrokeWidth(const vx::CClassicStyle& style, const CMatrix& m) {
    double width = style.strokeWidth != 0 ? style.strokeWidth : style.groupStrokeWidth;
    width *= LengthScale(m);
    const CMatrix* entries = style.groups->Entries();
    for (int i = style.groups->Depth() - 1; i >= 0; --i) width *= LengthScale(entries[i]);
    return width;
}

void CShapeWriter::CollectFillSubpath(std::vector<CPointData>& points, const vx::CClassicPath& path,
                                      std::vector<CPolylinedata>& fills) {
    if (points.size() < 2) return;
    // A subpath that cannot be placed still goes to the fill, which then leaves
    // out the whole hatch rather than a hatch with a loop missing.
    if (vx::AllFinite(points.data(), points.size()) && !vx::HasArea(points)) {
        WritePathOutline(points, path);
        return;
    }
    const vx::CClassicStyle& style = path.style;
    CPolylinedata record;
    for (CPointData& p : points) {
        MapPoint(style, path.transform, p.x, p.y);
        p.y = style.height - p.y;
    }
    record.points = std::move(points);
    record.closed = m_pathReader.closePending;
    fills.push_back(std::move(record));
    points.clear();
    m_pathReader.closePending = 0;
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
