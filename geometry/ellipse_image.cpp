#include "geometry/ellipse_image.h"

#include <algorithm>
#include <cmath>

#include "base/finite.h"
#include "base/matrix.h"

namespace vx {

namespace {

// The linear part times diag(rx, ry): it maps the unit circle onto the image.
struct CLinear {
    double p, q, r, s;  // (x, y) -> (p x + q y, r x + s y)
};

// The largest singular value and its left singular vector (the major axis)
// come from the eigen-decomposition of A·Aᵀ; the smaller singular value is
// |det| / largest, which stays accurate for thin ellipses. A is first scaled
// to unit size so that the squares neither overflow nor underflow.
bool MajorAxis(CLinear a, double& majorX, double& majorY, double& ratio) {
    const double size = std::max({std::abs(a.p), std::abs(a.q), std::abs(a.r), std::abs(a.s)});
    if (!(size > 0) || !std::isfinite(size)) return false;
    a = {a.p / size, a.q / size, a.r / size, a.s / size};
    const double xx = a.p * a.p + a.q * a.q, yy = a.r * a.r + a.s * a.s;
    const double xy = a.p * a.r + a.q * a.s;
    const double half = std::hypot((xx - yy) / 2, xy);
    const double largest = std::sqrt((xx + yy) / 2 + half);
    const double smallest = std::abs(a.p * a.s - a.q * a.r) / largest;
    ratio = std::min(smallest / largest, 1.0);
    if (!(ratio > 0)) return false;
    const double angle = std::atan2(2 * xy, xx - yy) / 2;
    majorX = std::cos(angle) * largest * size;
    majorY = std::sin(angle) * largest * size;
    return true;
}

}  // namespace

bool MapEllipse(const CMatrix& m, double cx, double cy, double rx, double ry, CEllipseImage& out) {
    if (!(rx > 0) || !(ry > 0) || !AllFinite({cx, cy, rx, ry})) return false;
    CEllipseImage image;
    if (!MajorAxis({m.a * rx, m.c * ry, m.b * rx, m.d * ry}, image.majorX, image.majorY, image.ratio))
        return false;
    image.cx = cx;
    image.cy = cy;
    ApplyMatrix(m, image.cx, image.cy);
    if (!AllFinite({image.cx, image.cy, image.majorX, image.majorY})) return false;
    out = image;
    return true;
}

}  // namespace vx
