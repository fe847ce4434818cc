#pragma once
// Where the points of a marker land at the start or end of a path.
#include "base/records.h"

namespace vx {

// The marker turns with the path's direction from first to second (a
// zero-length end leaves it unturned) and moves by its reference point plus the
// anchor: first at the start of a path, second at its end.
class CMarkerPlacement {
public:
    CMarkerPlacement(const CPointData& first, const CPointData& second, bool start,
                     double refX, double refY);
    // A marker point, after the marker's own matrix, in drawing coordinates (y down).
    void Place(double& x, double& y) const;

private:
    double m_cosine = 1, m_sine = 0;
    double m_shiftX = 0, m_shiftY = 0;
};

}  // namespace vx
