#include "geometry/fill_union.h"

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "geometry/path_groups.h"

namespace vx {

namespace {

using Loops = std::vector<std::vector<CPointData>>;

// The half extent maps to this many integer units: within Clipper's fast
// 64-bit range (about 1.07e9), and fine to 5e-10 of the extent.
constexpr double kUnitsPerHalfExtent = 1e9;
// Edges times the most edges on one scan line (see UnionWork): about two
// seconds of Clipper, reached only by hostile drawings.
constexpr double kWorkBudget = 5e8;

bool IsFinitePoint(const CPointData& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// Drawing coordinates to Clipper's integers and back, centred on the bounding box.
struct CIntegerScale {
    double cx = 0, cy = 0, factor = 0;

    ClipperLib::IntPoint ToInt(const CPointData& p) const {
        return {ClipperLib::cInt(std::llround((p.x - cx) * factor)),
                ClipperLib::cInt(std::llround((p.y - cy) * factor))};
    }
    CPointData ToPoint(const ClipperLib::IntPoint& p) const {
        return {double(p.X) / factor + cx, double(p.Y) / factor + cy};
    }
};

// Halves before subtracting, so that the extent of points near ±1e308 does not overflow.
bool FindScale(const Loops& loops, CIntegerScale& scale) {
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

std::vector<CPointData> FinitePoints(const std::vector<CPointData>& loop) {
    std::vector<CPointData> points;
    std::copy_if(loop.begin(), loop.end(), std::back_inserter(points), IsFinitePoint);
    return points;
}

ClipperLib::Paths ToPaths(const Loops& loops, const CIntegerScale& scale) {
    ClipperLib::Paths paths;
    paths.reserve(loops.size());
    for (const auto& loop : loops) {
        ClipperLib::Path path;
        for (const CPointData& p : loop)
            if (IsFinitePoint(p)) path.push_back(scale.ToInt(p));
        if (path.size() >= 3) paths.push_back(std::move(path));
    }
    return paths;
}

Loops ToLoops(const ClipperLib::Paths& paths, const CIntegerScale& scale) {
    Loops loops;
    loops.reserve(paths.size());
    for (const ClipperLib::Path& path : paths) {
        std::vector<CPointData> loop;
        loop.reserve(path.size());
        for (const ClipperLib::IntPoint& p : path) loop.push_back(scale.ToPoint(p));
        if (loop.size() < 3) continue;
        loop.back().closed = 1;
        loops.push_back(std::move(loop));
    }
    return loops;
}

// The union of one group, added to united; false when Clipper fails.
bool UniteGroup(const ClipperLib::Paths& paths, const size_t* first, const size_t* last,
                ClipperLib::Paths& united) {
    ClipperLib::Clipper clipper;
    bool enclosesArea = false;
    for (const size_t* index = first; index < last; ++index)
        enclosesArea |= clipper.AddPath(paths[*index], ClipperLib::ptSubject, true);
    // Execute would report a failure for a group with nothing to fill.
    if (!enclosesArea) return true;
    ClipperLib::Paths result;
    if (!clipper.Execute(ClipperLib::ctUnion, result, ClipperLib::pftNonZero, ClipperLib::pftNonZero))
        return false;
    for (ClipperLib::Path& path : result) united.push_back(std::move(path));
    return true;
}

// Groups that would take the union past its budget keep their loops as they
// are: even-odd then fills them, which differs only where they overlap.
bool Unite(const ClipperLib::Paths& paths, ClipperLib::Paths& united) {
    const CPathGroups groups = SeparateGroups(paths);
    CUnionWork estimate;
    double work = 0;
    for (size_t g = 0; g + 1 < groups.starts.size(); ++g) {
        const size_t* first = groups.order.data() + groups.starts[g];
        const size_t* last = groups.order.data() + groups.starts[g + 1];
        const double groupWork = estimate.Of(paths, first, last);
        if (work + groupWork > kWorkBudget) {
            for (const size_t* index = first; index < last; ++index) united.push_back(paths[*index]);
            continue;
        }
        if (!UniteGroup(paths, first, last, united)) return false;
        work += groupWork;
    }
    return true;
}

Loops FiniteLoops(const Loops& loops) {
    Loops finite;
    finite.reserve(loops.size());
    for (const auto& loop : loops) finite.push_back(FinitePoints(loop));
    return finite;
}

}  // namespace

Loops UniteNonZero(const Loops& loops) {
    CIntegerScale scale;
    if (!FindScale(loops, scale)) return {};
    try {
        ClipperLib::Paths united;
        if (Unite(ToPaths(loops, scale), united)) return ToLoops(united, scale);
    } catch (const std::exception&) {
        // Clipper reports its internal failures as clipperException; memory runs out as bad_alloc.
    }
    return FiniteLoops(loops);
}

}  // namespace vx
