#pragma once
// A path filled under the nonzero rule, turned into loops that fill the same
// area under the even-odd rule (the only rule a CAD HATCH knows): where loops
// overlap or wind twice, nonzero fills what even-odd would leave open.
#include <vector>

#include "base/records.h"

namespace vx {

// The outer boundaries and holes of the area that the loops fill under the
// nonzero rule. Each loop is closed implicitly: its first point is not repeated
// at its end, and its last point has `closed` set. Points that are not finite
// are skipped, loops of fewer than three points add no area. Coordinates are
// kept to about 1e-9 of the drawing's extent. Never throws: should the union
// fail, the input loops come back as they are (less their non-finite points).
std::vector<std::vector<CPointData>> UniteNonZero(const std::vector<std::vector<CPointData>>& loops);

}  // namespace vx
