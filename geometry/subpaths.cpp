#include "geometry/subpaths.h"

#include <cmath>
#include <utility>

namespace vx {

bool NextSubpath(const std::vector<CPointData>& points, size_t& index, size_t& begin,
                 size_t& end) {
    begin = index;
    while (index < points.size()) {
        if (points[index++].subpathEnd) {
            end = index;
            return true;
        }
    }
    end = index;
    return end - begin > 1;
}

bool PointsCoincide(const CPointData& a, const CPointData& b) {
    return std::hypot(a.x - b.x, a.y - b.y) < 0.0001;
}

bool IsCollinear(const CPointData& p1, const CPointData& p2, const CPointData& p3) {
    const double dx1 = p2.x - p1.x, dx2 = p3.x - p2.x;
    if (std::fabs(dx1) < 1e-5 && std::fabs(dx2) < 1e-5) return true;
    // One step (nearly) vertical and the other not: a corner.
    if (std::fabs(dx1) * std::fabs(dx2) < 0.0001) return false;
    return std::fabs((p2.y - p1.y) / dx1 - (p3.y - p2.y) / dx2) < 1e-5;
}

bool HasArea(const std::vector<CPointData>& points) {
    for (size_t i = 0; i + 2 < points.size(); ++i)
        if (!IsCollinear(points[i], points[i + 1], points[i + 2])) return true;
    return false;
}

void SplitSubpaths(const std::vector<CPointData>& points,
                   std::vector<CPolylinedata>& subpaths) {
    CPolylinedata current;
    for (const CPointData& p : points) {
        current.points.push_back(p);
        if (!p.subpathEnd) continue;
        if (p.closed) current.points.push_back(current.points.front());
        current.closed = p.closed;
        subpaths.push_back(std::move(current));
        current = CPolylinedata();
    }
}

}  // namespace vx
