#pragma once
// Looking at parsed point lists: where subpaths end, whether points coincide,
// whether a subpath encloses any area.
#include <cstddef>
#include <vector>

#include "base/records.h"

namespace vx {

// The next subpath of a collected list, as the index range [begin, end):
// up to and including the next point that ends a subpath. At the end of the
// list the rest counts only when it holds more than one point.
bool NextSubpath(const std::vector<CPointData>& points, size_t& index, size_t& begin,
                 size_t& end);

// Closer than 0.0001.
bool PointsCoincide(const CPointData& a, const CPointData& b);
bool IsCollinear(const CPointData& p1, const CPointData& p2, const CPointData& p3);
// Some three consecutive points are not collinear.
bool HasArea(const std::vector<CPointData>& points);

// One record per subpath of a collected list; a closed subpath ends on its
// first point again and is marked closed. Points after the last subpath end are dropped.
void SplitSubpaths(const std::vector<CPointData>& points, std::vector<CPolylinedata>& subpaths);

}  // namespace vx
