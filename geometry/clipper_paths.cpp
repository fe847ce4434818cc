#include "geometry/clipper_paths.h"

#include <algorithm>
#include <cmath>

namespace vx {

namespace {

constexpr double kUnitsPerHalfExtent = 1e9;

}  // namespace

bool IsFinitePoint(const CPointData& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

ClipperLib::IntPoint CIntegerScale::ToInt(const CPointData& p) const {
    return {ClipperLib::cInt(std::llround((p.x - cx) * factor)),
            ClipperLib::cInt(std::llround((p.y - cy) * factor))};
}

CPointData CIntegerScale::ToPoint(const ClipperLib::IntPoint& p) const {
    return {double(p.X) / factor + cx, double(p.Y) / factor + cy};
}

// Halves before subtracting, so that the extent of points near ±1e308 does not overflow.
bool FindScale(const CLoops& loops, CIntegerScale& scale) {
    double minX = HUGE_VAL, minY = HUGE_VAL, maxX = -HUGE_VAL, maxY = -HUGE_VAL;
    for (const auto& loop : loops)
        for (const CPointData& p : loop)
            if (IsFinitePoint(p)) {
                minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
                minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
            }
    const double half = std::max(maxX / 2 - minX / 2, maxY / 2 - minY / 2);
    scale = {minX / 2 + maxX / 2, minY / 2 + maxY / 2, kUnitsPerHalfExtent / half};
    return half > 0 && std::isfinite(half) && std::isfinite(scale.factor);
}

ClipperLib::Paths ToPaths(const CLoops& loops, const CIntegerScale& scale, size_t minPoints) {
    ClipperLib::Paths paths;
    paths.reserve(loops.size());
    for (const auto& loop : loops) {
        ClipperLib::Path path;
        path.reserve(loop.size());
        for (const CPointData& p : loop)
            if (IsFinitePoint(p)) path.push_back(scale.ToInt(p));
        if (path.size() >= minPoints) paths.push_back(std::move(path));
    }
    return paths;
}

CLoops ToLoops(const ClipperLib::Paths& paths, const CIntegerScale& scale) {
    CLoops loops;
    loops.reserve(paths.size());
    for (const ClipperLib::Path& path : paths) {
        if (path.size() < 3) continue;
        std::vector<CPointData> loop;
        loop.reserve(path.size());
        for (const ClipperLib::IntPoint& p : path) loop.push_back(scale.ToPoint(p));
        loop.back().closed = 1;
        loops.push_back(std::move(loop));
    }
    return loops;
}

}  // namespace vx
