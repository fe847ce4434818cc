#include "geometry/line_pieces.h"

#include <algorithm>
#include <cmath>

namespace vx {

namespace {

using ClipperLib::IntPoint;

struct CVector {
    double x, y;
};

CVector Between(const IntPoint& from, const IntPoint& to) {
    return {double(to.X) - double(from.X), double(to.Y) - double(from.Y)};
}

double Dot(CVector u, CVector v) { return u.x * v.x + u.y * v.y; }
double Cross(CVector u, CVector v) { return u.x * v.y - u.y * v.x; }

double Cosine(CVector u, CVector v) {
    const double lengths = std::hypot(u.x, u.y) * std::hypot(v.x, v.y);
    return lengths > 0 ? Dot(u, v) / lengths : -2;
}

// Clipper rounds the points where it cuts to its grid: within a few units of the segment.
bool OnSegment(const IntPoint& a, const IntPoint& b, const IntPoint& p) {
    const CVector along = Between(a, b), to = Between(a, p);
    const double length = std::hypot(along.x, along.y);
    const double slack = 2 * length;
    return length > 0 && std::abs(Cross(along, to)) <= slack && Dot(along, to) >= -slack &&
           Dot(along, to) <= length * length + slack;
}

}  // namespace

CLinePieces::CLinePieces(const CLoops& rings, const CIntegerScale& scale) : m_scale(scale) {
    for (const auto& ring : rings) {
        ClipperLib::Path path;
        std::vector<CPointData> points;
        for (const CPointData& p : ring)
            if (IsFinitePoint(p)) path.push_back(scale.ToInt(p)), points.push_back(p);
        if (path.size() < 2) continue;
        const auto line = uint32_t(m_paths.size());
        for (size_t i = 0; i < path.size(); ++i) m_vertices.emplace(path[i], CVertex{line, uint32_t(i)});
        m_segments += path.size() - 1;
        m_paths.push_back(std::move(path));
        m_points.push_back(std::move(points));
    }
}

CPolylinedata CLinePieces::Restore(const ClipperLib::Path& piece, CClipBudget& budget) const {
    CPolylinedata restored;
    restored.points.reserve(piece.size());
    for (const IntPoint& p : piece) {
        const auto vertex = m_vertices.find(p);
        restored.points.push_back(vertex == m_vertices.end()
                                      ? m_scale.ToPoint(p)
                                      : m_points[vertex->second.line][vertex->second.index]);
    }
    if (!Forward(piece, budget)) std::reverse(restored.points.begin(), restored.points.end());
    return restored;
}

// Decided at the first of the piece's points that is a vertex of a line.
bool CLinePieces::Forward(const ClipperLib::Path& piece, CClipBudget& budget) const {
    for (size_t j = 0; j < piece.size(); ++j) {
        const auto vertex = m_vertices.find(piece[j]);
        if (vertex == m_vertices.end()) continue;
        const size_t k = j + 1 < piece.size() ? j + 1 : j - 1;
        const bool along = RunsForward(vertex->second, piece[k]);
        return k > j ? along : !along;
    }
    return SegmentForward(piece, budget);
}

// Whether next lies toward the vertex after `at` on its line rather than the one before.
bool CLinePieces::RunsForward(CVertex at, const IntPoint& next) const {
    const ClipperLib::Path& line = m_paths[at.line];
    const IntPoint& here = line[at.index];
    // A ring's first point is also its last: before it comes the last segment.
    const bool ring = line.front() == line.back();
    const bool hasAfter = at.index + 1 < line.size(), hasBefore = at.index > 0 || ring;
    if (!hasAfter || !hasBefore) return hasAfter;
    const IntPoint& before = at.index > 0 ? line[at.index - 1] : line[line.size() - 2];
    const CVector toNext = Between(here, next);
    return Cosine(toNext, Between(here, line[at.index + 1])) >= Cosine(toNext, Between(here, before));
}

// A piece without a vertex lies on one segment: the first that holds both its
// ends gives the direction. Each search costs the budget the segments it reads.
bool CLinePieces::SegmentForward(const ClipperLib::Path& piece, CClipBudget& budget) const {
    if (piece.size() < 2 || !budget.Spend(double(m_segments))) return true;
    for (const ClipperLib::Path& line : m_paths)
        for (size_t i = 0; i + 1 < line.size(); ++i)
            if (OnSegment(line[i], line[i + 1], piece.front()) && OnSegment(line[i], line[i + 1], piece.back()))
                return Dot(Between(line[i], line[i + 1]), Between(piece.front(), piece.back())) >= 0;
    return true;
}

}  // namespace vx
