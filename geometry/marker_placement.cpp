#include "geometry/marker_placement.h"

#include <cmath>

namespace vx {

CMarkerPlacement::CMarkerPlacement(const CPointData& first, const CPointData& second,
                                   bool start, double refX, double refY) {
    const double dx = second.x - first.x, dy = second.y - first.y;
    const double length = std::hypot(dx, dy);
    if (length > 1e-5) {
        m_cosine = dx / length;
        m_sine = dy / length;
    }
    const CPointData& anchor = start ? first : second;
    m_shiftX = refX + anchor.x;
    m_shiftY = refY + anchor.y;
}

void CMarkerPlacement::Place(double& x, double& y) const {
    const double turnedX = x * m_cosine - y * m_sine + m_shiftX;
    y = x * m_sine + y * m_cosine + m_shiftY;
    x = turnedX;
}

}  // namespace vx
