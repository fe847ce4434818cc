#include "geometry/fill_union.h"

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "geometry/clipper_paths.h"
#include "geometry/path_groups.h"

namespace vx {

namespace {

using Loops = CLoops;

// Edges times the most edges on one scan line (see UnionWork): about two
// seconds of Clipper, reached only by hostile drawings.
constexpr double kWorkBudget = 5e8;

std::vector<CPointData> FinitePoints(const std::vector<CPointData>& loop) {
    std::vector<CPointData> points;
    std::copy_if(loop.begin(), loop.end(), std::back_inserter(points), IsFinitePoint);
    return points;
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
