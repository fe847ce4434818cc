#include "dxf/shapes/shape_writer.h"
#include "dxf/shapes/solid_fill.h"
#include "dxf/shapes/symbol_instance.h"
#include "geometry/subpaths.h"

void CShapeWriter::FillUse(const vx::CClassicUse& use) {
    std::vector<CPointData> points = vx::CollectSymbolPoints(m_pathReader, use.symbolPath);
    m_pathReader.closePending = 0;
    // The last subpath is filled too: end it as a moveto would.
    if (!points.empty()) points.back().subpathEnd = 1;
    std::vector<CPolylinedata> subpaths;
    vx::SplitSubpaths(points, subpaths);
    // The fill lands exactly where the outline of the same use element does.
    const vx::CSymbolPlacement placement = vx::PlaceSymbolInstance(use);
    for (CPolylinedata& subpath : subpaths)
        for (CPointData& p : subpath.points) placement.Place(p.x, p.y);
    vx::WriteSolidFill(*this, use.style, subpaths);
}
