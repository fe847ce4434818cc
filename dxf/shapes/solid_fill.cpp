#include "dxf/shapes/solid_fill.h"

#include <algorithm>

#include "base/finite.h"
#include "svg/dxf_palette.h"

namespace vx {

namespace {

bool IsLoop(const CPolylinedata& subpath) { return subpath.points.size() > 2; }

}  // namespace

void WriteSolidFill(CShapeWriter& conv, const std::vector<CPolylinedata>& subpaths) {
    const int loops = int(std::count_if(subpaths.begin(), subpaths.end(), IsLoop));
    if (loops == 0) return;
    // One hatch holds every loop: a loop that cannot be written leaves all of it out.
    for (const CPolylinedata& subpath : subpaths)
        if (!AllFinite(subpath.points.data(), subpath.points.size())) return conv.LeaveOutNonFinite();
    const DL_Attributes attributes =
        conv.EntityAttributes(vx::NearestDxfColor(conv.Walker().m_crFill), -1, "BYLAYER");
    const DL_HatchData data(loops, true, 1.0, 0.0, "SOLID", 0, 0);
    conv.BeginHatch(data, attributes);
    for (const CPolylinedata& subpath : subpaths)
        if (IsLoop(subpath)) conv.WriteFillLoop(subpath.points);
    conv.EndHatch(data, attributes);
}

}  // namespace vx
