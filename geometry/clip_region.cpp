#include "geometry/clip_region.h"

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>
#include <unordered_map>

#include "geometry/clipper_paths.h"
#include "geometry/line_pieces.h"
#include "geometry/path_groups.h"

namespace vx {

namespace {

using ClipperLib::Paths;

// Half Clipper's full range: a point scaled beyond it would make Clipper throw.
constexpr double kSafeRange = 2e18;
// What lies outside by less than this share of the subject is the rounding of
// an edge the clip shares with it, not something the clip cuts off.
constexpr double kNegligible = 1e-9;

// The subject's own scale keeps its precision however large the clip. A clip
// that reaches a billion times the subject's size beyond it would pass
// Clipper's range: only a hostile drawing has one, and it is not applied.
bool WithinRange(const CLoops& clip, const CIntegerScale& scale) {
    for (const auto& loop : clip)
        for (const CPointData& p : loop)
            if (IsFinitePoint(p) && (std::abs(p.x - scale.cx) * scale.factor > kSafeRange ||
                                     std::abs(p.y - scale.cy) * scale.factor > kSafeRange))
                return false;
    return true;
}

double WorkOf(const Paths& subject, const Paths& clip) {
    Paths all(subject);
    all.insert(all.end(), clip.begin(), clip.end());
    std::vector<size_t> order(all.size());
    std::iota(order.begin(), order.end(), size_t(0));
    return CUnionWork().Of(all, order.data(), order.data() + order.size());
}

double AreaOf(const Paths& paths) {
    double area = 0;
    for (const auto& path : paths) area += std::abs(ClipperLib::Area(path));
    return area;
}

double BoxArea(const Paths& paths) {
    double minX = HUGE_VAL, minY = HUGE_VAL, maxX = -HUGE_VAL, maxY = -HUGE_VAL;
    for (const auto& path : paths)
        for (const ClipperLib::IntPoint& p : path) {
            minX = std::min(minX, double(p.X)), maxX = std::max(maxX, double(p.X));
            minY = std::min(minY, double(p.Y)), maxY = std::max(maxY, double(p.Y));
        }
    return (maxX - minX) * (maxY - minY);
}

double LengthOf(const Paths& lines) {
    double length = 0;
    for (const auto& line : lines)
        for (size_t i = 1; i < line.size(); ++i)
            length += std::hypot(double(line[i].X - line[i - 1].X), double(line[i].Y - line[i - 1].Y));
    return length;
}

Paths RunOnAreas(ClipperLib::ClipType operation, const Paths& subject, bool evenOdd,
                 const Paths& clip) {
    ClipperLib::Clipper clipper;
    clipper.AddPaths(subject, ClipperLib::ptSubject, true);
    clipper.AddPaths(clip, ClipperLib::ptClip, true);
    Paths result;
    const auto rule = evenOdd ? ClipperLib::pftEvenOdd : ClipperLib::pftNonZero;
    if (!clipper.Execute(operation, result, rule, ClipperLib::pftNonZero))
        throw std::runtime_error("clipping failed");
    return result;
}

// The pieces of open lines inside the clip.
Paths LinesInside(const Paths& lines, const Paths& clip) {
    ClipperLib::Clipper clipper;
    clipper.AddPaths(lines, ClipperLib::ptSubject, false);
    clipper.AddPaths(clip, ClipperLib::ptClip, true);
    ClipperLib::PolyTree tree;
    if (!clipper.Execute(ClipperLib::ctIntersection, tree, ClipperLib::pftNonZero, ClipperLib::pftNonZero))
        throw std::runtime_error("clipping failed");
    Paths result;
    ClipperLib::OpenPathsFromPolyTree(tree, result);
    return result;
}

// A closed line is cut as a ring: its first point closes it again at the end.
CLoops Rings(const std::vector<CPolylinedata>& lines) {
    CLoops rings;
    rings.reserve(lines.size());
    for (const CPolylinedata& line : lines) {
        rings.push_back(line.points);
        if (line.closed && line.points.size() >= 2) rings.back().push_back(line.points.front());
    }
    return rings;
}

// Clipper's grid moves a point by up to 5e-10 of the extent: the points that
// were vertices of the subject or the clip take their drawn values back.
void RestoreVertices(CLoops& loops, const CLoops& subject, const CLoops& clip,
                     const CIntegerScale& scale) {
    std::unordered_map<ClipperLib::IntPoint, CPointData, CIntPointHash> drawn;
    for (const CLoops* source : {&subject, &clip})
        for (const auto& loop : *source)
            for (const CPointData& p : loop)
                if (IsFinitePoint(p)) drawn.emplace(scale.ToInt(p), CPointData(p.x, p.y));
    for (auto& loop : loops)
        for (CPointData& p : loop) {
            const auto found = drawn.find(scale.ToInt(p));
            if (found != drawn.end()) p.x = found->second.x, p.y = found->second.y;
        }
}

ClipOutcome Refuse(CClipBudget& budget) {
    budget.Refuse();
    return ClipOutcome::Refused;
}

}  // namespace

bool CClipBudget::Spend(double work) {
    if (!(work <= m_left)) return false;
    m_left -= work;
    return true;
}

bool FilledArea(const CLoops& loops, bool evenOdd, CClipBudget& budget, CLoops& area) {
    area.clear();
    CIntegerScale scale;
    if (!FindScale(loops, scale)) return true;  // no extent, no area
    const Paths paths = ToPaths(loops, scale);
    if (paths.empty()) return true;
    if (!budget.Spend(WorkOf(paths, {}))) {
        budget.Refuse();
        return false;
    }
    try {
        area = ToLoops(RunOnAreas(ClipperLib::ctUnion, paths, evenOdd, {}), scale);
        return true;
    } catch (const std::exception&) {
        // Clipper reports its internal failures as clipperException; memory runs out as bad_alloc.
        budget.Refuse();
        return false;
    }
}

ClipOutcome ClipArea(const CLoops& subject, bool evenOdd, const CLoops& clip,
                     CClipBudget& budget, CLoops& inside) {
    inside.clear();
    CIntegerScale scale;
    if (!FindScale(subject, scale)) return ClipOutcome::Inside;
    if (!WithinRange(clip, scale)) return Refuse(budget);
    const Paths subjectPaths = ToPaths(subject, scale), clipPaths = ToPaths(clip, scale);
    if (subjectPaths.empty()) return ClipOutcome::Inside;
    if (clipPaths.empty()) return ClipOutcome::Clipped;
    if (!budget.Spend(2 * WorkOf(subjectPaths, clipPaths))) return Refuse(budget);
    try {
        const Paths outside = RunOnAreas(ClipperLib::ctDifference, subjectPaths, evenOdd, clipPaths);
        if (AreaOf(outside) <= kNegligible * BoxArea(subjectPaths)) return ClipOutcome::Inside;
        inside = ToLoops(RunOnAreas(ClipperLib::ctIntersection, subjectPaths, evenOdd, clipPaths), scale);
        RestoreVertices(inside, subject, clip, scale);
        return ClipOutcome::Clipped;
    } catch (const std::exception&) {
        return Refuse(budget);
    }
}

ClipOutcome ClipLines(const std::vector<CPolylinedata>& lines, const CLoops& clip,
                      CClipBudget& budget, std::vector<CPolylinedata>& pieces) {
    pieces.clear();
    const CLoops rings = Rings(lines);
    CIntegerScale scale;
    if (!FindScale(rings, scale)) return ClipOutcome::Inside;
    if (!WithinRange(clip, scale)) return Refuse(budget);
    const CLinePieces restorer(rings, scale);
    const Paths& linePaths = restorer.Paths();
    const Paths clipPaths = ToPaths(clip, scale);
    if (linePaths.empty()) return ClipOutcome::Inside;
    if (clipPaths.empty()) return ClipOutcome::Clipped;
    if (!budget.Spend(WorkOf(linePaths, clipPaths))) return Refuse(budget);
    try {
        // Inside when nothing was cut off: Clipper's difference of open paths
        // drops level lines that lie wholly outside, so the length tells.
        const Paths inside = LinesInside(linePaths, clipPaths);
        if (LengthOf(inside) >= (1 - kNegligible) * LengthOf(linePaths)) return ClipOutcome::Inside;
        for (const auto& path : inside)
            if (path.size() >= 2) pieces.push_back(restorer.Restore(path, budget));
        return ClipOutcome::Clipped;
    } catch (const std::exception&) {
        return Refuse(budget);
    }
}

}  // namespace vx
