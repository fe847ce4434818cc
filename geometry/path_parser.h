#pragma once
// The path data reader: turns the segments of a d attribute (of a path, a
// marker or a symbol) into points, and hands each subpath to a sink as a
// moveto ends it.
#include <string_view>
#include <vector>

#include "base/records.h"
#include "geometry/path_segments.h"

namespace vx {

// Where the subpaths that a moveto ends go. points holds every point read
// since the sink last took some (nothing at the first moveto); the last one
// carries subpathEnd and closed. A sink takes the subpath by clearing the list;
// points it leaves stay, and the next subpath is appended to them.
class ISubpathSink {
public:
    virtual ~ISubpathSink() = default;
    virtual void SubpathEnded(std::vector<CPointData>& points) = 0;
};

// Reads data into points, handing each subpath that a moveto ends to sink. The
// last subpath stays in points. drawn counts the points drawn (not movetos).
void ReadPathData(CPathReaderState& state, std::string_view data,
                  std::vector<CPointData>& points, int& drawn, ISubpathSink& sink);
// Reads data into points, keeping every subpath: each one but the last ends
// on a point that carries subpathEnd.
void CollectPathPoints(CPathReaderState& state, std::string_view data,
                       std::vector<CPointData>& points, int& drawn);

}  // namespace vx
