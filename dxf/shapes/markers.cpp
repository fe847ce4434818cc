#include "base/matrix.h"
#include "dxf/shapes/shape_writer.h"
#include "geometry/marker_placement.h"
#include "geometry/path_parser.h"
#include "geometry/subpaths.h"

void CShapeWriter::WriteMarker(const vx::CClassicMarker& marker, const vx::CClassicStyle& style,
                               const CPointData& first, const CPointData& second, bool start) {
    const vx::CMarkerPlacement placement(first, second, start, marker.refX, marker.refY);
    std::vector<CPointData> points;
    int drawn = 0;
    vx::CollectPathPoints(m_pathReader, marker.path, points, drawn);
    const double width = ScaledStrokeWidth(style, marker.transform.matrix);
    // Each subpath of the marker is its own open polyline.
    std::vector<CPointData> placed;
    size_t index = 0, begin = 0, end = 0;
    while (vx::NextSubpath(points, index, begin, end)) {
        if (end - begin < 2) continue;
        placed.clear();
        for (size_t i = begin; i < end; ++i) {
            double x = points[i].x, y = points[i].y;
            if (marker.transform.given) vx::ApplyMatrix(marker.transform.matrix, x, y);
            placement.Place(x, y);
            placed.emplace_back(x, style.height - y);
        }
        WriteDxfPolyline(placed, false, width, StrokeAttributes(style));
    }
}
