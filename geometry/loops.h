#pragma once
// Closed loops of points, the common currency of fills and clip areas.
#include <vector>

#include "base/records.h"

namespace vx {

using CLoops = std::vector<std::vector<CPointData>>;

}  // namespace vx
