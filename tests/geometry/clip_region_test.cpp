// Clip areas cutting fills and lines: what Clipper gets wrong or leaves to us
// (level lines wholly outside, the direction of pieces, points far out, the
// work budget).
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "geometry/clip_region.h"

namespace {

using Loop = std::vector<CPointData>;

Loop Box(double left, double bottom, double right, double top) {
    return {{left, bottom}, {right, bottom}, {right, top}, {left, top}};
}

CPolylinedata Line(std::vector<CPointData> points, bool closed = false) {
    CPolylinedata line;
    line.points = std::move(points);
    line.closed = closed;
    return line;
}

std::vector<CPolylinedata> Cut(const std::vector<CPolylinedata>& lines, const vx::CLoops& clip,
                               vx::ClipOutcome expected) {
    vx::CClipBudget budget(1e9);
    std::vector<CPolylinedata> pieces;
    EXPECT_EQ(vx::ClipLines(lines, clip, budget, pieces), expected);
    return pieces;
}

TEST(ClipLines, PiecesKeepTheirLinesDirectionAndVertices) {
    const vx::CLoops left = {Box(0, 0, 50, 100)};
    // A level line wholly outside beside one inside: nothing of the first is left.
    EXPECT_EQ(Cut({Line({{10, 80}, {40, 80}}), Line({{60, 50}, {90, 50}})}, left, vx::ClipOutcome::Clipped)
                  .size(), 1u);
    EXPECT_TRUE(Cut({Line({{10, 80}, {40, 80}})}, left, vx::ClipOutcome::Inside).empty());
    // Each piece runs as its line runs: the piece that holds the line's first
    // vertex starts with it, the one that holds its last ends with it, both
    // as drawn, not rounded to Clipper's grid.
    const std::vector<CPointData> lines[] = {
        {{10.123, 50.456}, {90.7, 50.3}},           // out at the end
        {{90.7, 50.456}, {10.123, 50.3}},           // in at the end
        {{10.123, 10.1}, {80, 20}, {10.7, 30.3}},   // out and back: two pieces
    };
    for (const auto& points : lines) {
        const auto pieces = Cut({Line(points)}, left, vx::ClipOutcome::Clipped);
        int ends = 0;
        for (const auto& piece : pieces) {
            const CPointData &first = piece.points.front(), &last = piece.points.back();
            ends += first.x == points.front().x && first.y == points.front().y;
            ends += last.x == points.back().x && last.y == points.back().y;
        }
        EXPECT_EQ(ends, points.front().x < 50 && points.back().x < 50 ? 2 : 1) << points.size();
    }
    // A closed ring is cut as a ring: its closing side is a piece too.
    const auto ring = Cut({Line(Box(40, 40, 60, 60), true)}, left, vx::ClipOutcome::Clipped);
    double length = 0;
    for (const auto& piece : ring)
        for (size_t i = 1; i < piece.points.size(); ++i)
            length += std::hypot(piece.points[i].x - piece.points[i - 1].x, piece.points[i].y - piece.points[i - 1].y);
    EXPECT_NEAR(length, 40, 1e-6);
}

TEST(ClipArea, CutsWhatLiesOutsideAndLeavesWhatLiesInside) {
    vx::CClipBudget budget(1e9);
    vx::CLoops inside;
    // A shape sharing the clip's edges lies inside it.
    EXPECT_EQ(vx::ClipArea({Box(0, 0, 50, 100)}, false, {Box(0, 0, 50, 100)}, budget, inside),
              vx::ClipOutcome::Inside);
    ASSERT_EQ(vx::ClipArea({Box(10, 10, 90, 20)}, false, {Box(0, 0, 50, 100)}, budget, inside),
              vx::ClipOutcome::Clipped);
    ASSERT_EQ(inside.size(), 1u);
    for (const CPointData& p : inside[0]) EXPECT_TRUE(p.x == 10 || p.x == 50) << p.x;
    // A clip far beyond Clipper's range, as only a hostile drawing gives one, is refused.
    EXPECT_EQ(vx::ClipArea({Box(10, 10, 90, 20)}, false, {Box(-1e300, -1e300, 50, 1e300)}, budget, inside),
              vx::ClipOutcome::Refused);
    budget = vx::CClipBudget(1e9);
    // An empty clip area hides everything; a spent budget refuses and says so.
    EXPECT_EQ(vx::ClipArea({Box(0, 0, 1, 1)}, false, {}, budget, inside), vx::ClipOutcome::Clipped);
    EXPECT_TRUE(inside.empty());
    vx::CClipBudget spent(1);
    EXPECT_EQ(vx::ClipArea({Box(10, 10, 90, 20)}, false, {Box(0, 0, 50, 100)}, spent, inside),
              vx::ClipOutcome::Refused);
    EXPECT_TRUE(spent.Refused());
    EXPECT_FALSE(budget.Refused());
}

}  // namespace
