#include "convert/svg_converter.h"
#include "geometry/solid_fill.h"

void CSvgConverter::FillPath(const std::string& transform, const std::string& data) {
    std::vector<CPointData> points;
    std::vector<CPolylinedata> subpaths;
    int drawn = 0;
    ParsePathData(transform, data, points, drawn, 0, &subpaths);
    CollectFillSubpath(points, transform, subpaths);  // the last subpath
    vx::WriteSolidFill(*this, subpaths);
}
