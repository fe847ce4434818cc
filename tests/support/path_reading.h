#pragma once
// Path data read straight through the geometry reader, for the path parser's
// own tests and its hostile-input tests.
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "geometry/path_parser.h"

namespace vxtest {

using XY = std::vector<std::pair<double, double>>;

// A document's path reader state with no budget to speak of.
struct ReaderValues : vx::CPathReaderState {
    ReaderValues() { pointsLeft = textLeft = std::numeric_limits<long long>::max(); }
    vx::CPathReaderState& State() { return *this; }
};

struct Parsed {
    std::vector<CPointData> points;
    int drawn = 0;
    int closePending = 0;
    XY xy;
};

inline XY Coordinates(const std::vector<CPointData>& points) {
    XY xy;
    for (const CPointData& p : points) xy.emplace_back(p.x, p.y);
    return xy;
}

inline Parsed Parse(ReaderValues& values, const std::string& d) {
    Parsed parsed;
    vx::CPathReaderState& state = values.State();
    vx::CollectPathPoints(state, d, parsed.points, parsed.drawn);
    parsed.closePending = values.closePending;
    parsed.xy = Coordinates(parsed.points);
    return parsed;
}

inline Parsed Parse(const std::string& d) {
    ReaderValues values;
    return Parse(values, d);
}

}  // namespace vxtest
