#include "geometry/path_vertices.h"

#include <cmath>
#include <string>
#include <utility>

#include "base/text.h"
#include "geometry/flatten.h"
#include "geometry/path_commands.h"
#include "geometry/path_numbers.h"

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

// Walks path data command by command as the path reader does with SVG's
// smooth curves (the same cutting, the same repeats, the same commands skipped
// or ending the data),
// keeping the vertex before the current one until its leaving direction is known.
class CVertexReader {
public:
    explicit CVertexReader(const CVertexSink& sink) : m_sink(sink) {}

    void Read(std::string_view data);

private:
    bool Interpret(const std::string& command, std::string_view args);
    bool Cubic(bool relative, std::string_view args);
    void SmoothCubic(bool relative, std::string_view args, bool afterCubic);
    void Quadratic(bool relative, std::string_view args);
    void SmoothQuadratic(bool relative, std::string_view args, bool afterQuadratic);
    bool Arc(bool relative, std::string_view args);
    void Moveto(bool relative, std::string_view args);
    void Curve(const double* controls, int count, double x, double y);
    void Segment(double x, double y, CDirection out, CDirection in);
    void EndSubpath(bool relative);
    void Hold(const CPathVertex& vertex);
    void Finish();

    const CVertexSink& m_sink;
    std::string m_previous;
    int m_closePending = 0;
    double m_x = 0, m_y = 0;  // the current point
    double m_controlX = 0, m_controlY = 0;
    bool m_inSubpath = false;
    CPathVertex m_subpathStart;  // its leaving direction is the first segment's
    bool m_holding = false, m_handedAny = false;
    bool m_restartPending = false;  // a closepath ended the subpath
    CPathVertex m_held;
};

void CVertexReader::Read(std::string_view data) {
    std::string command;
    std::string_view args;
    bool progressed = true;
    for (;;) {
        // SVG ends a subpath at its closepath, going back to its start.
        if (TakeLeadingClosepaths(data)) {
            m_closePending = 1;
            EndSubpath(true);
            m_restartPending = true;
        }
        const CPathCutState state{m_previous, m_closePending};
        const char* before = data.data();
        if (!NextPathCommand(data, command, args, state, progressed)) break;
        progressed = data.data() != before;
        command = std::string(TrimView(command));
        if (command.empty()) {
            if (m_previous.empty()) continue;
            command = std::string(RepeatedCommand(m_previous));
        }
        const bool keepGoing = Interpret(command, args);
        m_previous = command;
        if (!keepGoing) break;
    }
    Finish();
}

bool CVertexReader::Interpret(const std::string& command, std::string_view args) {
    if (command.size() != 1) return true;
    const char letter = command[0];
    const bool relative = letter >= 'a' && letter <= 'z';
    // A segment after a closepath starts a new subpath where the closed one began.
    if (std::exchange(m_restartPending, false) && IsSegmentCommand(letter)) {
        m_subpathStart = CPathVertex{m_x, m_y};
        m_inSubpath = true;
        Hold(m_subpathStart);
    }
    double x = 0, y = 0;
    switch (letter) {
        case 'M': case 'm':
            Moveto(relative, args);
            return true;
        case 'L': case 'l':
            ParsePointPair(args, x, y, m_closePending);
            if (relative) x += m_x, y += m_y;
            break;
        case 'H': case 'h':
            x = LeadingNumber(args) + (relative ? m_x : 0);
            y = m_y;
            break;
        case 'V': case 'v':
            x = m_x;
            y = LeadingNumber(args) + (relative ? m_y : 0);
            break;
        case 'C': case 'c':
            return Cubic(relative, args);
        case 'S': case 's':
            SmoothCubic(relative, args, IsOneOf(m_previous, "C", "c", "S", "s"));
            return true;
        case 'Q': case 'q':
            Quadratic(relative, args);
            return true;
        case 'T': case 't':
            SmoothQuadratic(relative, args, IsOneOf(m_previous, "Q", "q", "T", "t"));
            return true;
        case 'A': case 'a':
            return Arc(relative, args);
        default:
            return true;
    }
    const CDirection line = Between(m_x, m_y, x, y);
    Segment(x, y, line, line);
    return true;
}

bool CVertexReader::Cubic(bool relative, std::string_view args) {
    double v[6];
    if (!ParseNumberList(args, v, 6, m_closePending)) return false;
    for (int i = 0; relative && i < 6; i += 2) v[i] += m_x, v[i + 1] += m_y;
    m_controlX = v[2];
    m_controlY = v[3];
    Curve(v, 2, v[4], v[5]);
    return true;
}

void CVertexReader::SmoothCubic(bool relative, std::string_view args, bool afterCubic) {
    double v[6];
    if (!ParseNumberList(args, v + 2, 4, m_closePending)) return;
    for (int i = 2; relative && i < 6; i += 2) v[i] += m_x, v[i + 1] += m_y;
    // Without a cubic before, the first control point is the current point.
    v[0] = afterCubic ? 2 * m_x - m_controlX : m_x;
    v[1] = afterCubic ? 2 * m_y - m_controlY : m_y;
    m_controlX = v[2];
    m_controlY = v[3];
    Curve(v, 2, v[4], v[5]);
}

void CVertexReader::Quadratic(bool relative, std::string_view args) {
    double v[4];
    if (!ParseNumberList(args, v, 4, m_closePending)) return;
    for (int i = 0; relative && i < 4; i += 2) v[i] += m_x, v[i + 1] += m_y;
    m_controlX = v[0];
    m_controlY = v[1];
    Curve(v, 1, v[2], v[3]);
}

void CVertexReader::SmoothQuadratic(bool relative, std::string_view args, bool afterQuadratic) {
    double v[4];
    ParsePointPair(args, v[2], v[3], m_closePending);
    if (relative) v[2] += m_x, v[3] += m_y;
    // Without a quadratic before, the control point is the current point: a line.
    v[0] = m_controlX = afterQuadratic ? 2 * m_x - m_controlX : m_x;
    v[1] = m_controlY = afterQuadratic ? 2 * m_y - m_controlY : m_y;
    Curve(v, 1, v[2], v[3]);
}

bool CVertexReader::Arc(bool relative, std::string_view args) {
    CArcArguments arc;
    if (!ParseArcArguments(args, arc, m_closePending)) return false;
    if (relative) arc.x += m_x, arc.y += m_y;
    CDirection out, in;
    ArcDirections(m_x, m_y, arc, out, in);
    Segment(arc.x, arc.y, out, in);
    return true;
}

// controls: count control points, then the end point x, y.
void CVertexReader::Curve(const double* controls, int count, double x, double y) {
    CDirection in = LastDifferent(x, y, controls, count);
    // Controls that all lie on the end: the curve arrives straight from its start.
    if (!in.Known()) in = Between(m_x, m_y, x, y);
    Segment(x, y, FirstDifferent(m_x, m_y, controls, count + 1), in);
}

void CVertexReader::Moveto(bool relative, std::string_view args) {
    double x = 0, y = 0;
    ParsePointPair(args, x, y, m_closePending);
    EndSubpath(relative);
    if (relative) x += m_x, y += m_y;
    m_x = x;
    m_y = y;
    m_subpathStart = CPathVertex{x, y};
    m_inSubpath = true;
    Hold(m_subpathStart);
}

void CVertexReader::Segment(double x, double y, CDirection out, CDirection in) {
    m_x = x;
    m_y = y;
    // Data that begins without a moveto starts its subpath at the first end point.
    if (!m_inSubpath) {
        m_subpathStart = CPathVertex{x, y};
        m_inSubpath = true;
        return Hold(m_subpathStart);
    }
    if (!m_subpathStart.outX && !m_subpathStart.outY) {
        m_subpathStart.outX = out.x;
        m_subpathStart.outY = out.y;
    }
    m_held.outX = out.x;
    m_held.outY = out.y;
    Hold(CPathVertex{x, y, in.x, in.y});
}

// A closed subpath returns to its start, where it leaves as its first segment did.
void CVertexReader::EndSubpath(bool relative) {
    if (m_inSubpath && m_closePending) {
        const double x = m_x, y = m_y;
        const CDirection closing = Between(x, y, m_subpathStart.x, m_subpathStart.y);
        Segment(m_subpathStart.x, m_subpathStart.y, closing, closing);
        m_held.outX = m_subpathStart.outX;
        m_held.outY = m_subpathStart.outY;
        // Only a relative moveto starts from the closed subpath's start.
        if (!relative) m_x = x, m_y = y;
    }
    m_inSubpath = false;
    m_closePending = 0;
}

void CVertexReader::Hold(const CPathVertex& vertex) {
    if (m_holding) {
        m_sink(m_held, !m_handedAny, false);
        m_handedAny = true;
    }
    m_held = vertex;
    m_holding = true;
}

void CVertexReader::Finish() {
    EndSubpath(false);
    if (m_holding) m_sink(m_held, !m_handedAny, true);
}

// The angle halfway between two, on the side of the smaller turn.
double Bisector(double in, double out) {
    const double half = std::remainder(out - in, 2 * kPi) / 2;
    return in + half;
}

}  // namespace

void ListPathVertices(std::string_view data, const CVertexSink& sink) {
    CVertexReader(sink).Read(data);
}

double VertexAngle(const CPathVertex& vertex) {
    const bool in = vertex.inX || vertex.inY, out = vertex.outX || vertex.outY;
    const double inAngle = std::atan2(vertex.inY, vertex.inX);
    const double outAngle = std::atan2(vertex.outY, vertex.outX);
    if (in && out) return Bisector(inAngle, outAngle);
    return in ? inAngle : out ? outAngle : 0;
}

}  // namespace vx
