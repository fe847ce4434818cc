#include "geometry/path_parser.h"

#include "geometry/flatten.h"

namespace vx {

namespace {

// Draws segments into the point list, spending the state's point budget, and
// hands each subpath that ends to the sink.
class CPointReader : public IPathSegmentSink {
public:
    CPointReader(CPathReaderState& state, std::vector<CPointData>& points, int& drawn,
                 ISubpathSink& sink)
        : m_state(state), m_points(points), m_drawn(drawn), m_sink(sink) {}

    void Take(const CPathSegment& segment) override {
        const int drawnBefore = m_drawn;
        Draw(segment);
        m_state.pointsLeft -= m_drawn - drawnBefore;
    }

private:
    void Draw(const CPathSegment& segment);
    void EndSubpath(bool closed);

    CPathReaderState& m_state;
    std::vector<CPointData>& m_points;
    int& m_drawn;
    ISubpathSink& m_sink;
};

void CPointReader::Draw(const CPathSegment& s) {
    const double tolerance = m_state.tolerance;
    switch (s.kind) {
        case SegmentKind::Move:
            if (s.endsSubpath) EndSubpath(s.closed);
            m_points.emplace_back(s.x, s.y);  // a moveto point is not drawn
            return;
        case SegmentKind::Close:
            return EndSubpath(true);
        case SegmentKind::Line:
            m_points.emplace_back(s.x, s.y);
            ++m_drawn;
            return;
        case SegmentKind::Cubic:
            // The first flat piece appends the start point again.
            if (s.cubicAfterMoveto && !m_points.empty()) m_points.pop_back();
            return AppendCubic(s.x0, s.y0, s.x1, s.y1, s.x2, s.y2, s.x, s.y, m_points, m_drawn,
                               tolerance);
        case SegmentKind::Quadratic:
            return AppendQuadratic(m_points, s.x0, s.y0, s.x1, s.y1, s.x, s.y, m_drawn, tolerance);
        case SegmentKind::Arc:
            return AppendArc(s.x0, s.y0, s.arc.rx, s.arc.ry, s.arc.rotation, s.arc.largeArc,
                             s.arc.sweep, s.x, s.y, m_points, m_drawn, tolerance);
    }
}

void CPointReader::EndSubpath(bool closed) {
    if (!m_points.empty()) {
        m_points.back().closed = closed;
        m_points.back().subpathEnd = 1;
    }
    m_sink.SubpathEnded(m_points);
}

// Leaves every subpath in the list.
class CKeepSubpaths : public ISubpathSink {
public:
    void SubpathEnded(std::vector<CPointData>&) override {}
};

}  // namespace

void ReadPathData(CPathReaderState& state, std::string_view data,
                  std::vector<CPointData>& points, int& drawn, ISubpathSink& sink) {
    CPointReader reader(state, points, drawn, sink);
    ReadPathSegments(state, data, reader);
}

void CollectPathPoints(CPathReaderState& state, std::string_view data,
                       std::vector<CPointData>& points, int& drawn) {
    CKeepSubpaths keep;
    ReadPathData(state, data, points, drawn, keep);
}

}  // namespace vx
