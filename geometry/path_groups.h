#pragma once
// Splitting the loops of one fill into groups that cannot touch, so that the
// union runs on each group alone. Clipper's work grows with the product of the
// edges and the edges crossing one scan line: a row of ten thousand separate
// glyphs would cost as much as one glyph with a comb of ten thousand teeth.
#include <polyclipping/clipper.hpp>

#include <cstddef>
#include <utility>
#include <vector>

namespace vx {

// Group g holds the paths order[starts[g]] ... order[starts[g + 1] - 1];
// starts ends with order.size(). One flat list: a million groups of one path
// each cost no million allocations.
struct CPathGroups {
    std::vector<size_t> order;
    std::vector<size_t> starts;
};

// Groups whose bounding boxes lie apart: cut along x, then y, then x ...
// until no cut separates more (at most a few rounds, so never quadratic).
// Boxes that touch stay in one group.
CPathGroups SeparateGroups(const ClipperLib::Paths& paths);

// The union's work on a group: its edges times the most edges that one
// horizontal line crosses. Holds its sorting space from group to group.
class CUnionWork {
public:
    double Of(const ClipperLib::Paths& paths, const size_t* first, const size_t* last);

private:
    enum EventKind { kStart, kStop };
    std::vector<std::pair<ClipperLib::cInt, EventKind>> m_events;
};

}  // namespace vx
