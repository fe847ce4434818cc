#include "dxf/shapes/solid_fill.h"

#include <algorithm>

#include "base/finite.h"
#include "dxf/dxf_palette.h"

namespace vx {

namespace {

bool IsLoop(const CPolylinedata& subpath) { return subpath.points.size() > 2; }

}  // namespace

void WriteSolidFill(CShapeWriter& shapes, const CClassicStyle& style,
                    const std::vector<CPolylinedata>& subpaths) {
    const int loops = int(std::count_if(subpaths.begin(), subpaths.end(), IsLoop));
    if (loops == 0) return;
    // One hatch holds every loop: a loop that cannot be written leaves all of it out.
    for (const CPolylinedata& subpath : subpaths)
        if (!AllFinite(subpath.points.data(), subpath.points.size())) return shapes.LeaveOutNonFinite();
    const DL_Attributes attributes =
        CShapeWriter::EntityAttributes(style.layer, NearestDxfColor(style.fillRgb), -1, "BYLAYER");
    const DL_HatchData data(loops, true, 1.0, 0.0, "SOLID", 0, 0);
    shapes.BeginHatch(data, attributes);
    for (const CPolylinedata& subpath : subpaths)
        if (IsLoop(subpath)) shapes.WriteFillLoop(subpath.points);
    shapes.EndHatch(data, attributes);
}

}  // namespace vx
