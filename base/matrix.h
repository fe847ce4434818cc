#pragma once
// Mapping a point through an SVG matrix.
#include "base/records.h"

namespace vx {

// A result too large for a double is left infinite: the entity it belongs to
// is then not written at all.
inline void ApplyMatrix(const CMatrix& m, double& x, double& y) {
    const double nx = m.a * x + m.c * y + m.e;
    y = m.b * x + m.d * y + m.f;
    x = nx;
}

inline CMatrix Translation(double x, double y) { return CMatrix{1, 0, 0, 1, x, y}; }

}  // namespace vx
