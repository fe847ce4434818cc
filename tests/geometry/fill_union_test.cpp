// Nonzero fills turned into loops that an even-odd filler fills the same.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "geometry/fill_union.h"
#include "geometry/path_groups.h"

namespace {

using Loop = std::vector<CPointData>;

Loop Square(double x, double y, double side, bool clockwise = false) {
    Loop loop{{x, y}, {x + side, y}, {x + side, y + side}, {x, y + side}};
    if (clockwise) std::swap(loop[1], loop[3]);
    return loop;
}

double Area(const Loop& loop) {
    double twice = 0;
    for (size_t i = 0; i < loop.size(); ++i) {
        const CPointData &p = loop[i], &q = loop[(i + 1) % loop.size()];
        twice += p.x * q.y - q.x * p.y;
    }
    return std::abs(twice) / 2;
}

// A five-pointed star drawn in one stroke: its centre winds twice.
Loop Pentagram() {
    Loop loop;
    for (int i = 0; i < 5; ++i) {
        const double angle = i * 4 * 3.14159265358979323846 / 5;
        loop.push_back({std::sin(angle), std::cos(angle)});
    }
    return loop;
}

const double kNan = std::nan("");

}  // namespace

TEST(UniteNonZero, OverlapsAndDoubleWindingsBecomeOneArea) {
    const struct {
        const char* name;
        std::vector<Loop> loops;
        size_t wantLoops;
        std::vector<double> wantAreas;  // largest first
    } rows[] = {
        {"one square", {Square(0, 0, 2)}, 1, {4}},
        {"overlapping squares", {Square(0, 0, 2), Square(1, 1, 2)}, 1, {7}},
        {"nested, same direction", {Square(0, 0, 4), Square(1, 1, 2)}, 1, {16}},
        {"nested, opposite direction", {Square(0, 0, 4), Square(1, 1, 2, true)}, 2, {16, 4}},
        {"apart", {Square(0, 0, 1), Square(5, 5, 1)}, 2, {1, 1}},
        {"pentagram", {Pentagram()}, 1, {1.12257}},
        {"not finite points skipped", {{{0, 0}, {kNan, 1}, {2, 0}, {2, HUGE_VAL}, {2, 2}, {0, 2}}}, 1, {4}},
        {"loop too short", {Square(0, 0, 1), {{5, 5}, {6, 6}}}, 1, {1}},
    };
    for (const auto& row : rows) {
        const std::vector<Loop> united = vx::UniteNonZero(row.loops);
        ASSERT_EQ(united.size(), row.wantLoops) << row.name;
        std::vector<double> areas;
        for (const Loop& loop : united) {
            areas.push_back(Area(loop));
            EXPECT_EQ(loop.back().closed, 1) << row.name;
            EXPECT_FALSE(loop.front().x == loop.back().x && loop.front().y == loop.back().y) << row.name;
        }
        std::sort(areas.rbegin(), areas.rend());
        for (size_t i = 0; i < areas.size(); ++i) EXPECT_NEAR(areas[i], row.wantAreas[i], 1e-5) << row.name;
    }
    EXPECT_EQ(vx::UniteNonZero({Pentagram()})[0].size(), 10u);  // the inner corners are new points
}

TEST(UniteNonZero, NothingToFillGivesNoLoops) {
    const std::vector<std::vector<Loop>> inputs = {
        {}, {{}}, {{{1, 1}}}, {{{1, 1}, {1, 1}, {1, 1}}}, {{{0, 0}, {1, 1}, {2, 2}}},
        {{{kNan, kNan}, {HUGE_VAL, 0}, {0, -HUGE_VAL}}},
    };
    for (const auto& loops : inputs) EXPECT_TRUE(vx::UniteNonZero(loops).empty()) << loops.size();
}

TEST(UniteNonZero, CornersKeepTheirPlaceToTheDrawingsPrecision) {
    for (const double offset : {0.0, 1e6, -3e9}) {
        for (const double side : {1e-3, 1.0, 1e150}) {
            const auto united = vx::UniteNonZero({Square(offset, offset, side)});
            ASSERT_EQ(united.size(), 1u);
            const double extent = std::max(side, std::abs(offset) * 1e-7);
            for (const CPointData& p : united[0]) {
                const double dx = std::min(std::abs(p.x - offset), std::abs(p.x - offset - side));
                const double dy = std::min(std::abs(p.y - offset), std::abs(p.y - offset - side));
                EXPECT_LE(std::max(dx, dy), 2e-9 * extent) << offset << " " << side;
            }
        }
    }
}

TEST(UniteNonZero, TheWholeRangeOfDoublesAndManyLoops) {
    EXPECT_EQ(vx::UniteNonZero({Square(-1e308, -1e308, 1.5e308)}).size(), 1u);
    std::vector<Loop> grid;
    for (int i = 0; i < 200000; ++i) grid.push_back(Square(i % 400 * 2, i / 400 * 2, 1));
    EXPECT_EQ(vx::UniteNonZero(grid).size(), 200000u);
}

TEST(UniteNonZero, OverlapsTooCostlyToUniteKeepTheirLoops) {
    // Diamonds overlapping in one long chain: every scan line crosses all of them.
    std::vector<Loop> chain;
    for (int i = 0; i < 20000; ++i) chain.push_back({{i * 0.5 + 0.5, 0}, {i * 0.5 + 1, 0.5}, {i * 0.5 + 0.5, 1}, {i * 0.5, 0.5}});
    EXPECT_EQ(vx::UniteNonZero(chain).size(), chain.size());
    chain.resize(500);
    EXPECT_EQ(vx::UniteNonZero(chain).size(), 1u);
}

TEST(SeparateGroups, OnlyBoxesThatCannotTouchAreApart) {
    using Box = std::vector<ClipperLib::cInt>;  // x0 y0 x1 y1
    const struct {
        const char* name;
        std::vector<Box> boxes;
        size_t wantGroups;
    } rows[] = {
        {"none", {}, 0},
        {"row apart", {{0, 0, 1, 1}, {2, 0, 3, 1}, {4, 0, 5, 1}}, 3},
        {"touching", {{0, 0, 1, 1}, {1, 0, 2, 1}, {5, 5, 6, 6}}, 2},
        {"column apart", {{0, 0, 1, 1}, {0, 2, 1, 3}}, 2},
        {"grid", {{0, 0, 1, 1}, {2, 0, 3, 1}, {0, 2, 1, 3}, {2, 2, 3, 3}}, 4},
        {"x overlap bridged by a long box", {{0, 0, 1, 1}, {0, 5, 9, 6}, {8, 0, 9, 1}}, 3},
        {"nested", {{0, 0, 9, 9}, {2, 2, 3, 3}, {5, 5, 6, 6}}, 1},
        {"crossing bars", {{0, 4, 9, 5}, {4, 0, 5, 9}}, 1},
    };
    for (const auto& row : rows) {
        ClipperLib::Paths paths;
        for (const Box& b : row.boxes) paths.push_back({{b[0], b[1]}, {b[2], b[1]}, {b[2], b[3]}, {b[0], b[3]}});
        const vx::CPathGroups groups = vx::SeparateGroups(paths);
        EXPECT_EQ(groups.starts.size() - 1, row.wantGroups) << row.name;
        EXPECT_EQ(groups.order.size(), paths.size()) << row.name;
    }
}
