#pragma once
// The image of an axis-aligned ellipse under an affine matrix. Any affine map
// (rotation, non-uniform scale, skew) turns an ellipse into an ellipse, so a
// transformed circle or ellipse stays one exact entity instead of a polyline.
// Everything stays in SVG coordinates (y down); the caller flips y for DXF.
#include "base/records.h"

namespace vx {

struct CEllipseImage {
    double cx = 0, cy = 0;          // centre
    double majorX = 0, majorY = 0;  // centre to the end of the major axis
    double ratio = 1;               // minor / major, in (0, 1]
};

// False when the image is no ellipse: a radius not above 0, a singular matrix,
// or a value that is not finite.
bool MapEllipse(const CMatrix& m, double cx, double cy, double rx, double ry, CEllipseImage& out);

}  // namespace vx
