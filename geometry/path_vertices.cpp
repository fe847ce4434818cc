#include "geometry/path_vertices.h"

#include <cmath>
#include <limits>

#include "geometry/flatten.h"
#include "geometry/path_segments.h"

namespace vx {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct CDirection {
    double x = 0, y = 0;
    bool Known() const { return x != 0 || y != 0; }
};

CDirection Between(double fromX, double fromY, double toX, double toY) {
    return {toX - fromX, toY - fromY};
}

// A curve leaves towards its first control point that differs from its start,
// and arrives from the last one that differs from its end.
CDirection FirstDifferent(double x, double y, const double* points, int count) {
    for (int i = 0; i < count; ++i) {
        const CDirection d = Between(x, y, points[2 * i], points[2 * i + 1]);
        if (d.Known()) return d;
    }
    return {};
}

CDirection LastDifferent(double x, double y, const double* points, int count) {
    for (int i = count - 1; i >= 0; --i) {
        const CDirection d = Between(points[2 * i], points[2 * i + 1], x, y);
        if (d.Known()) return d;
    }
    return {};
}

// The tangents at an arc's ends from its centre form; an arc the path reader
// draws as a straight line has that line's direction.
void ArcDirections(double x0, double y0, const CArcArguments& arc, CDirection& out, CDirection& in) {
    const CArcCentre centre =
        ArcToCenter(x0, y0, arc.rx, arc.ry, arc.rotation, arc.largeArc, arc.sweep, arc.x, arc.y);
    if (centre.code != 0) {
        out = in = Between(x0, y0, arc.x, arc.y);
        return;
    }
    const double phi = arc.rotation * kPi / 180, sense = centre.sweepDegrees < 0 ? -1 : 1;
    const auto tangent = [&](double degrees) {
        const double t = degrees * kPi / 180;
        const double dx = -centre.rx * std::sin(t), dy = centre.ry * std::cos(t);
        return CDirection{sense * (std::cos(phi) * dx - std::sin(phi) * dy),
                          sense * (std::sin(phi) * dx + std::cos(phi) * dy)};
    };
    out = tangent(centre.startDegrees);
    in = tangent(centre.startDegrees + centre.sweepDegrees);
}

// Turns segments into vertices, keeping the vertex before the current one
// until its leaving direction is known.
class CVertexReader : public IPathSegmentSink {
public:
    explicit CVertexReader(const CVertexSink& sink) : m_sink(sink) {}

    void Take(const CPathSegment& segment) override;
    void Finish(bool closed);

private:
    void Curve(const CPathSegment& segment, const double* points, int controls);
    void Segment(double x, double y, CDirection out, CDirection in);
    void StartSubpath(double x, double y);
    void EndSubpath(bool closed);
    void Hold(const CPathVertex& vertex);

    const CVertexSink& m_sink;
    double m_x = 0, m_y = 0;  // the current point
    bool m_inSubpath = false;
    CPathVertex m_subpathStart;  // its leaving direction is the first segment's
    bool m_holding = false, m_handedAny = false;
    CPathVertex m_held;
};

void CVertexReader::Take(const CPathSegment& s) {
    CDirection out, in;
    switch (s.kind) {
        case SegmentKind::Move:
            if (s.endsSubpath) EndSubpath(s.closed);
            StartSubpath(s.x, s.y);
            break;
        case SegmentKind::Close:
            EndSubpath(true);
            break;
        case SegmentKind::Line:
            out = Between(s.x0, s.y0, s.x, s.y);
            Segment(s.x, s.y, out, out);
            break;
        case SegmentKind::Cubic: {
            const double points[] = {s.x1, s.y1, s.x2, s.y2, s.x, s.y};
            Curve(s, points, 2);
            break;
        }
        case SegmentKind::Quadratic: {
            const double points[] = {s.x1, s.y1, s.x, s.y};
            Curve(s, points, 1);
            break;
        }
        case SegmentKind::Arc:
            ArcDirections(s.x0, s.y0, s.arc, out, in);
            Segment(s.x, s.y, out, in);
            break;
    }
    m_x = s.x;
    m_y = s.y;
}

// points: the control points, then the end point.
void CVertexReader::Curve(const CPathSegment& s, const double* points, int controls) {
    CDirection in = LastDifferent(s.x, s.y, points, controls);
    // Controls that all lie on the end: the curve arrives straight from its start.
    if (!in.Known()) in = Between(s.x0, s.y0, s.x, s.y);
    Segment(s.x, s.y, FirstDifferent(s.x0, s.y0, points, controls + 1), in);
}

void CVertexReader::StartSubpath(double x, double y) {
    m_subpathStart = CPathVertex{x, y};
    m_inSubpath = true;
    Hold(m_subpathStart);
}

void CVertexReader::Segment(double x, double y, CDirection out, CDirection in) {
    // Data that begins without a moveto starts its subpath at the first end point.
    if (!m_inSubpath) return StartSubpath(x, y);
    if (!m_subpathStart.outX && !m_subpathStart.outY) {
        m_subpathStart.outX = out.x;
        m_subpathStart.outY = out.y;
    }
    m_held.outX = out.x;
    m_held.outY = out.y;
    Hold(CPathVertex{x, y, in.x, in.y});
}

// A closed subpath returns to its start, where it leaves as its first segment did.
void CVertexReader::EndSubpath(bool closed) {
    if (m_inSubpath && closed) {
        const CDirection closing = Between(m_x, m_y, m_subpathStart.x, m_subpathStart.y);
        Segment(m_subpathStart.x, m_subpathStart.y, closing, closing);
        m_held.outX = m_subpathStart.outX;
        m_held.outY = m_subpathStart.outY;
    }
    m_inSubpath = false;
}

void CVertexReader::Hold(const CPathVertex& vertex) {
    if (m_holding) {
        m_sink(m_held, !m_handedAny, false);
        m_handedAny = true;
    }
    m_held = vertex;
    m_holding = true;
}

void CVertexReader::Finish(bool closed) {
    EndSubpath(closed);
    if (m_holding) m_sink(m_held, !m_handedAny, true);
}

// The angle halfway between two, on the side of the smaller turn.
double Bisector(double in, double out) {
    const double half = std::remainder(out - in, 2 * kPi) / 2;
    return in + half;
}

}  // namespace

void ListPathVertices(std::string_view data, const CVertexSink& sink) {
    // Read alone, as the browser reading draws it, with nothing to spend.
    CPathReaderState state;
    state.StartDocument(std::numeric_limits<long long>::max(), std::numeric_limits<long long>::max());
    state.svgPathRules = true;
    CVertexReader reader(sink);
    ReadPathSegments(state, data, reader);
    reader.Finish(state.closePending != 0);
}

double VertexAngle(const CPathVertex& vertex) {
    const bool in = vertex.inX || vertex.inY, out = vertex.outX || vertex.outY;
    const double inAngle = std::atan2(vertex.inY, vertex.inX);
    const double outAngle = std::atan2(vertex.outY, vertex.outX);
    if (in && out) return Bisector(inAngle, outAngle);
    return in ? inAngle : out ? outAngle : 0;
}

}  // namespace vx
