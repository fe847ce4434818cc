#pragma once
// DXF readers reject "nan" and "inf" in any group, and an entity with one such
// value cannot be drawn: emitters check the values they are about to write and
// leave out the whole entity when one is not finite.
#include <cmath>
#include <cstddef>
#include <initializer_list>

#include "base/records.h"

namespace vx {

inline bool AllFinite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

// Points already in DXF orientation.
inline bool AllFinite(const CPointData* points, size_t count) {
    for (size_t i = 0; i < count; ++i)
        if (!std::isfinite(points[i].x) || !std::isfinite(points[i].y)) return false;
    return true;
}

inline bool IsFinite(const CMatrix& m) { return AllFinite({m.a, m.b, m.c, m.d, m.e, m.f}); }

// Points in SVG orientation, as they will be once y is flipped against the height.
inline bool AllFiniteFlipped(const CPointData* points, size_t count, double height) {
    for (size_t i = 0; i < count; ++i)
        if (!std::isfinite(points[i].x) || !std::isfinite(height - points[i].y)) return false;
    return true;
}

}  // namespace vx
