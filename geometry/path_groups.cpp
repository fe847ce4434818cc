#include "geometry/path_groups.h"

#include <algorithm>

namespace vx {

namespace {

// A guillotine cut rarely separates more after a few rounds; hostile nesting
// could peel one box per round, so the rounds are capped.
constexpr int kMaxRounds = 8;

struct CSpan {
    ClipperLib::cInt low, high;
};

CSpan PathSpan(const ClipperLib::Path& path, bool alongY) {
    CSpan span{alongY ? path[0].Y : path[0].X, alongY ? path[0].Y : path[0].X};
    for (const ClipperLib::IntPoint& p : path) {
        const ClipperLib::cInt v = alongY ? p.Y : p.X;
        span = {std::min(span.low, v), std::max(span.high, v)};
    }
    return span;
}

std::vector<CSpan> Spans(const ClipperLib::Paths& paths, bool alongY) {
    std::vector<CSpan> spans;
    spans.reserve(paths.size());
    for (const ClipperLib::Path& path : paths) spans.push_back(PathSpan(path, alongY));
    return spans;
}

// Sorts one group by where its boxes begin and records a new group wherever
// no box bridges the gap.
void CutGroup(const std::vector<CSpan>& spans, size_t* first, size_t* last, size_t offset,
              std::vector<size_t>& starts) {
    std::sort(first, last, [&](size_t a, size_t b) { return spans[a].low < spans[b].low; });
    ClipperLib::cInt reach = spans[*first].high;
    starts.push_back(offset);
    for (size_t* at = first + 1; at < last; ++at) {
        if (spans[*at].low > reach) starts.push_back(offset + size_t(at - first));
        reach = std::max(reach, spans[*at].high);
    }
}

}  // namespace

CPathGroups SeparateGroups(const ClipperLib::Paths& paths) {
    CPathGroups groups;
    for (size_t i = 0; i < paths.size(); ++i) groups.order.push_back(i);
    groups.starts = {0};
    if (paths.empty()) return groups;
    groups.starts.push_back(paths.size());
    const std::vector<CSpan> spans[2] = {Spans(paths, false), Spans(paths, true)};
    int unchangedRounds = 0;
    for (int round = 0; round < kMaxRounds && unchangedRounds < 2; ++round) {
        std::vector<size_t> starts;
        size_t* order = groups.order.data();
        for (size_t g = 0; g + 1 < groups.starts.size(); ++g)
            CutGroup(spans[round % 2], order + groups.starts[g], order + groups.starts[g + 1],
                     groups.starts[g], starts);
        starts.push_back(paths.size());
        unchangedRounds = starts.size() == groups.starts.size() ? unchangedRounds + 1 : 0;
        groups.starts = std::move(starts);
    }
    return groups;
}

double CUnionWork::Of(const ClipperLib::Paths& paths, const size_t* first, const size_t* last) {
    // Along y every edge starts at its lower end and stops at its upper one; a
    // start sorts before a stop at the same y, so edges that meet count together.
    m_events.clear();
    for (const size_t* index = first; index < last; ++index) {
        const ClipperLib::Path& path = paths[*index];
        for (size_t i = 0; i < path.size(); ++i) {
            const ClipperLib::cInt y0 = path[i].Y, y1 = path[(i + 1) % path.size()].Y;
            m_events.emplace_back(std::min(y0, y1), kStart);
            m_events.emplace_back(std::max(y0, y1), kStop);
        }
    }
    std::sort(m_events.begin(), m_events.end());
    int crossing = 0, most = 0;
    for (const auto& event : m_events) {
        crossing += event.second == kStart ? 1 : -1;
        most = std::max(most, crossing);
    }
    return double(m_events.size() / 2) * most;
}

}  // namespace vx
