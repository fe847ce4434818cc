#pragma once
// Closed loops of points, the common currency of fills and clip areas.
#include <vector>

#include "base/records.h"

namespace vx {

using CLoops = std::vector<std::vector<CPointData>>;

// The loops a fill of these subpaths encloses: every subpath of three points
// or more, closed implicitly as browsers close them.
inline CLoops FillLoops(const std::vector<CPolylinedata>& subpaths) {
    CLoops loops;
    for (const CPolylinedata& subpath : subpaths)
        if (subpath.points.size() >= 3) loops.push_back(subpath.points);
    return loops;
}

}  // namespace vx
