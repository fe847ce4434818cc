#include "dxf/hatch_boundary.h"

#include <algorithm>
#include <cmath>

#include "dxf/extents.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;
// Pieces per full turn of a flattened arc: 5 degrees, within a thousandth of
// the radius of the curve.
constexpr int kPiecesPerTurn = 72;

bool IsFullTurn(double start, double end) { return std::fabs(end - start - kTwoPi) < 1e-9; }

}  // namespace

void CHatchBoundary::Clear() {
    m_polygons.clear();
    m_curves.clear();
    m_bLoopHasEdges = false;
}

void CHatchBoundary::StartLoop() {
    m_polygons.emplace_back();
    m_bLoopHasEdges = false;
}

void CHatchBoundary::AddEdge(const DL_HatchEdgeData& edge) {
    if (m_polygons.empty()) StartLoop();
    const bool first = !m_bLoopHasEdges;
    m_bLoopHasEdges = true;
    if (edge.type == 1) {
        // Each edge starts where the one before it ended; the loop closes itself.
        m_polygons.back().points.emplace_back(edge.x1, edge.y1);
        m_polygons.back().bulges.push_back(0);
        return;
    }
    const bool circle = edge.type == 2;
    const double majorX = circle ? edge.radius : edge.mx, majorY = circle ? 0 : edge.my;
    const double ratio = circle ? 1 : edge.ratio;
    if (first && IsFullTurn(edge.angle1, edge.angle2)) {
        // Alone in its loop, a whole curve is written as itself; the empty
        // polygon it leaves behind is dropped with the loops of under two points.
        m_curves.push_back({edge.cx, edge.cy, majorX, majorY, ratio});
        return;
    }
    AddArc(edge.cx, edge.cy, majorX, majorY, ratio, edge.angle1, edge.angle2);
}

// The arc from start up to (not including) its end, which the next edge begins
// with. A circular arc is written in pieces of at most half a turn, each a
// bulge (the tangent of a quarter of its sweep); an elliptic one flattened.
void CHatchBoundary::AddArc(double cx, double cy, double majorX, double majorY, double ratio,
                            double start, double end) {
    const double sweep = ArcSweep(start, end);
    const bool circular = ratio == 1;
    const double perTurn = circular ? 2 : kPiecesPerTurn;
    const int pieces = std::max(1, int(std::ceil(sweep / kTwoPi * perTurn)));
    const double bulge = circular ? std::tan(sweep / pieces / 4) : 0;
    const double minorX = -majorY * ratio, minorY = majorX * ratio;
    CPolygon& polygon = m_polygons.back();
    for (int i = 0; i < pieces; ++i) {
        const double t = start + sweep * i / pieces;
        polygon.points.emplace_back(cx + majorX * std::cos(t) + minorX * std::sin(t),
                                    cy + majorY * std::cos(t) + minorY * std::sin(t));
        polygon.bulges.push_back(bulge);
    }
}
