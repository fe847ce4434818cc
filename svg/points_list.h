#pragma once
// Reading the points list of a polyline or polygon.
#include <string_view>
#include <vector>

#include "base/records.h"

namespace vx {

// The coordinate pairs of a points list, read as SVG reads them: numbers
// separated by white space and/or one comma, a sign also starting a new number
// ("10-20" is 10 and -20). Reading stops at the first text that is no number;
// an odd last number is dropped. Replaces the contents of points.
void ReadPointsList(std::string_view text, std::vector<CPointData>& points);

}  // namespace vx
