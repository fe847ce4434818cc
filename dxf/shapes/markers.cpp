#include "base/matrix.h"
#include "base/text.h"
#include "dxf/shapes/shape_writer.h"
#include "geometry/marker_placement.h"
#include "geometry/path_parser.h"
#include "geometry/subpaths.h"
#include "svg/transform_text.h"

void CShapeWriter::DrawPathMarker(const std::string& reference, bool start,
                                   const CPointData& first, const CPointData& second) {
    const std::string_view name = vx::TrimView(reference);
    if (name.empty() || name == "none") return;
    if (const CMarkdata* marker = m_definitions.FindMarker(name)) WriteMarkerOutline(*marker, first, second, start);
}

void CShapeWriter::WriteMarkerOutline(const CMarkdata& marker, const CPointData& first,
                                       const CPointData& second, bool start) {
    const vx::CMarkerPlacement placement(first, second, start, marker.refX, marker.refY);
    std::vector<CPointData> points;
    int drawn = 0;
    vx::CPathReaderState& state = m_pathReader;
    vx::CollectPathPoints(state, marker.path, points, drawn);
    CMatrix m;
    const bool hasTransform = vx::ParseTransform(marker.transform, m);
    const double width = ScaledStrokeWidth(m, OutlineStrokeWidth());
    // Each subpath of the marker is its own open polyline.
    std::vector<CPointData> placed;
    size_t index = 0, begin = 0, end = 0;
    while (vx::NextSubpath(points, index, begin, end)) {
        if (end - begin < 2) continue;
        placed.clear();
        for (size_t i = begin; i < end; ++i) {
            double x = points[i].x, y = points[i].y;
            if (hasTransform) vx::ApplyMatrix(m, x, y);
            placement.Place(x, y);
            placed.emplace_back(x, m_walker.m_dHeight - y);
        }
        WriteDxfPolyline(placed, false, width);
    }
}
