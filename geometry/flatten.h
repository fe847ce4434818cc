#pragma once
// Flattening of path curves into straight segments, in SVG user units. Each
// operation appends points (flags 0) and counts every point it appends.
// A curve with a coordinate that is not finite appends nothing of its own.
#include <vector>

#include "base/records.h"

namespace vx {

// Cubic subdivision goes no deeper than this; a piece there is taken as flat.
constexpr int kMaxCubicDepth = 16;

// A tolerance above 0 flattens finely instead: no chord lies further than the
// tolerance from its curve. Either way the start point comes first.
void AppendCubic(double x0, double y0, double x1, double y1, double x2, double y2, double x3,
                 double y3, std::vector<CPointData>& points, int& drawn, double tolerance = 0);
// Six samples at t = 0, 0.2, ... 1, computed in single precision; with a
// tolerance, the curve as a cubic flattened finely.
void AppendQuadratic(std::vector<CPointData>& points, double x0, double y0, double x1, double y1,
                     double x2, double y2, int& drawn, double tolerance = 0);

// The centre form of an SVG arc. code: 0 computed, 1 end equals start,
// 2 a radius is 0, 3 degenerate; all other fields are 0 unless code is 0.
struct CArcCentre {
    int code = 0;
    double cx = 0, cy = 0, rx = 0, ry = 0;
    double startDegrees = 0, sweepDegrees = 0;
};
CArcCentre ArcToCenter(double x0, double y0, double rx, double ry, double rotationDegrees,
                       bool largeArc, bool sweep, double x, double y);
// 20 samples and the end point, or only the end point for a degenerate arc;
// with a tolerance, as many samples as keep the chords within it.
void AppendArc(double x0, double y0, double rx, double ry, double rotationDegrees, bool largeArc,
               bool sweep, double x, double y, std::vector<CPointData>& points, int& drawn,
               double tolerance = 0);

}  // namespace vx
