#include "dxf/shapes/shape_writer.h"
#include "dxf/shapes/symbol_instance.h"
#include "geometry/subpaths.h"

void CShapeWriter::DrawUse(const vx::CClassicUse& use) {
    const vx::CSymbolPlacement placement = vx::PlaceSymbolInstance(use);
    const std::vector<CPointData> points = vx::CollectSymbolPoints(m_pathReader, use.symbolPath);
    std::vector<CPointData> placed;
    size_t index = 0, begin = 0, end = 0;
    while (vx::NextSubpath(points, index, begin, end)) {
        if (end - begin < 2) continue;
        // A closed subpath also ends on its first vertex.
        const bool closed = points[end - 1].closed;
        placed.clear();
        for (size_t i = begin; i < end + (closed ? 1 : 0); ++i) {
            const CPointData& p = points[i < end ? i : begin];
            placed.emplace_back(p.x, p.y);
            placement.Place(placed.back().x, placed.back().y);
        }
        WriteDxfPolyline(placed, closed, 0, StrokeAttributes(use.style));
    }
}
