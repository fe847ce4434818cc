#include "geometry/path_parser.h"

#include <string>
#include <utility>

#include "base/text.h"
#include "geometry/flatten.h"
#include "geometry/path_commands.h"
#include "geometry/path_numbers.h"

namespace vx {

namespace {

// One run of the path data parser: the current point, the list being filled
// and where a finished subpath goes.
class CPathReader {
public:
    CPathReader(CPathReaderState& state, std::vector<CPointData>& points, int& drawn,
                ISubpathSink& sink)
        : m_state(state), m_points(points), m_drawn(drawn), m_sink(sink) {}

    void Read(std::string_view data);

private:
    // False when the command ends the parsing of the whole path data.
    bool Interpret(const std::string& command, std::string_view args);
    bool Cubic(bool relative, std::string_view args, bool afterMoveto);
    void SmoothCubic(bool relative, std::string_view args, bool afterCubic);
    void Quadratic(bool relative, std::string_view args);
    void SmoothQuadratic(bool relative, std::string_view args, bool afterQuadratic);
    bool Arc(bool relative, std::string_view args);
    void Moveto(bool relative, std::string_view args, bool subpathEnded);
    void EndSubpath(bool relative);
    void CloseNow();
    void LineTo(double x, double y);
    void Offset(bool relative, double* values, int pairs) const;

    CPathReaderState& m_state;
    std::vector<CPointData>& m_points;
    int& m_drawn;
    ISubpathSink& m_sink;
    double m_x = 0, m_y = 0;      // the current point
    size_t m_subpathStart = 0;    // index of the current subpath's first point
    bool m_restartPending = false;  // a closepath ended the subpath (SVG's rules)
};

void CPathReader::Read(std::string_view data) {
    std::string command;
    std::string_view args;
    bool progressed = true;
    // Each reading uses the whole text: a command search may look to its end.
    if (m_state.textLeft <= 0) return;
    m_state.textLeft -= static_cast<long long>(data.size());
    for (;;) {
        if (m_state.pointsLeft <= 0) return;  // the document's points are spent
        if (m_state.svgPathRules && TakeLeadingClosepaths(data)) CloseNow();
        const CPathCutState state{m_state.previousCommand, m_state.closePending};
        const char* before = data.data();
        if (!NextPathCommand(data, command, args, state, progressed)) return;
        progressed = data.data() != before;
        command = std::string(TrimView(command));
        if (command.empty()) {
            if (m_state.previousCommand.empty()) continue;
            command = std::string(RepeatedCommand(m_state.previousCommand));
        }
        const int drawnBefore = m_drawn;
        const bool keepGoing = Interpret(command, args);
        m_state.pointsLeft -= m_drawn - drawnBefore;
        m_state.previousCommand = command;
        if (!keepGoing) return;
    }
}

bool CPathReader::Interpret(const std::string& command, std::string_view args) {
    const std::string& previous = m_state.previousCommand;
    if (command.size() != 1) return true;
    const char letter = command[0];
    const bool relative = letter >= 'a' && letter <= 'z';
    // SVG: a segment after a closepath starts a new subpath where the closed one began.
    const bool afterClose = std::exchange(m_restartPending, false);
    if (afterClose && IsSegmentCommand(letter)) m_points.emplace_back(m_x, m_y);
    double x = 0, y = 0;
    switch (letter) {
        case 'M': case 'm':
            Moveto(relative, args, afterClose);
            return true;
        case 'L': case 'l':
            ParsePointPair(args, x, y, m_state.closePending);
            LineTo(relative ? x + m_x : x, relative ? y + m_y : y);
            return true;
        case 'H': case 'h':
            x = LeadingNumber(args);
            LineTo(relative ? x + m_x : x, m_y);
            return true;
        case 'V': case 'v':
            y = LeadingNumber(args);
            LineTo(m_x, relative ? y + m_y : y);
            return true;
        case 'C': case 'c':
            return Cubic(relative, args, IsOneOf(previous, "M", "m"));
        case 'S': case 's':
            SmoothCubic(relative, args, IsOneOf(previous, "C", "c", "S", "s"));
            return true;
        case 'Q': case 'q':
            Quadratic(relative, args);
            return true;
        case 'T': case 't':
            SmoothQuadratic(relative, args, IsOneOf(previous, "Q", "q", "T", "t"));
            return true;
        case 'A': case 'a':
            return Arc(relative, args);
        default:
            return true;
    }
}

void CPathReader::Offset(bool relative, double* values, int pairs) const {
    if (!relative) return;
    for (int i = 0; i < pairs; ++i) {
        values[2 * i] += m_x;
        values[2 * i + 1] += m_y;
    }
}

void CPathReader::LineTo(double x, double y) {
    m_points.emplace_back(x, y);
    ++m_drawn;
    m_x = x;
    m_y = y;
}

bool CPathReader::Cubic(bool relative, std::string_view args, bool afterMoveto) {
    double v[6];
    if (!ParseNumberList(args, v, 6, m_state.closePending)) return false;
    Offset(relative, v, 3);
    // The first flat piece appends the start point again.
    if (afterMoveto && !m_points.empty()) m_points.pop_back();
    AppendCubic(m_x, m_y, v[0], v[1], v[2], v[3], v[4], v[5], m_points, m_drawn, m_state.tolerance);
    m_state.lastControlX = v[2];
    m_state.lastControlY = v[3];
    m_x = v[4];
    m_y = v[5];
    return true;
}

void CPathReader::SmoothCubic(bool relative, std::string_view args, bool afterCubic) {
    double v[4];
    if (!ParseNumberList(args, v, 4, m_state.closePending)) return;
    Offset(relative, v, 2);
    double x1 = v[0], y1 = v[1];
    if (afterCubic) {
        x1 = 2 * m_x - m_state.lastControlX;
        y1 = 2 * m_y - m_state.lastControlY;
    } else if (m_state.svgPathRules) {
        x1 = m_x;
        y1 = m_y;
    }
    AppendCubic(m_x, m_y, x1, y1, v[0], v[1], v[2], v[3], m_points, m_drawn, m_state.tolerance);
    m_state.lastControlX = v[0];
    m_state.lastControlY = v[1];
    m_x = v[2];
    m_y = v[3];
}

void CPathReader::Quadratic(bool relative, std::string_view args) {
    double v[4];
    if (!ParseNumberList(args, v, 4, m_state.closePending)) return;
    Offset(relative, v, 2);
    AppendQuadratic(m_points, m_x, m_y, v[0], v[1], v[2], v[3], m_drawn, m_state.tolerance);
    m_state.lastControlX = v[0];
    m_state.lastControlY = v[1];
    m_x = v[2];
    m_y = v[3];
}

void CPathReader::SmoothQuadratic(bool relative, std::string_view args, bool afterQuadratic) {
    double v[2];
    ParsePointPair(args, v[0], v[1], m_state.closePending);
    // Nothing to reflect: the classic reading skips the T, SVG draws a line.
    if (!afterQuadratic && !m_state.svgPathRules) return;
    Offset(relative, v, 1);
    const double x1 = afterQuadratic ? 2 * m_x - m_state.lastControlX : m_x;
    const double y1 = afterQuadratic ? 2 * m_y - m_state.lastControlY : m_y;
    AppendQuadratic(m_points, m_x, m_y, x1, y1, v[0], v[1], m_drawn, m_state.tolerance);
    m_state.lastControlX = x1;
    m_state.lastControlY = y1;
    m_x = v[0];
    m_y = v[1];
}

bool CPathReader::Arc(bool relative, std::string_view args) {
    CArcArguments arc;
    if (!ParseArcArguments(args, arc, m_state.closePending)) return false;
    if (relative) {
        arc.x += m_x;
        arc.y += m_y;
    }
    AppendArc(m_x, m_y, arc.rx, arc.ry, arc.rotation, arc.largeArc, arc.sweep, arc.x, arc.y,
                  m_points, m_drawn, m_state.tolerance);
    m_x = arc.x;
    m_y = arc.y;
    return true;
}

void CPathReader::Moveto(bool relative, std::string_view args, bool subpathEnded) {
    double x = 0, y = 0;
    ParsePointPair(args, x, y, m_state.closePending);
    // A subpath a closepath has ended is not ended again.
    if (!subpathEnded) EndSubpath(relative);
    if (relative) {
        x += m_x;
        y += m_y;
    }
    m_points.emplace_back(x, y);  // a moveto point is not drawn
    m_x = x;
    m_y = y;
}

// SVG ends a subpath at its closepath: the current point goes back to the
// subpath's start, where a segment that follows begins a new one.
void CPathReader::CloseNow() {
    m_state.closePending = 1;
    EndSubpath(true);
    m_restartPending = true;
}

void CPathReader::EndSubpath(bool relative) {
    if (!m_points.empty()) {
        m_points.back().closed = m_state.closePending;
        m_points.back().subpathEnd = 1;
        // A relative moveto after a closepath starts from the closed subpath's start.
        if (relative && m_state.closePending && m_subpathStart < m_points.size()) {
            m_x = m_points[m_subpathStart].x;
            m_y = m_points[m_subpathStart].y;
        }
    }
    m_sink.SubpathEnded(m_points);
    m_subpathStart = m_points.size();
    m_state.closePending = 0;
}

// Leaves every subpath in the list.
class CKeepSubpaths : public ISubpathSink {
public:
    void SubpathEnded(std::vector<CPointData>&) override {}
};

}  // namespace

void ReadPathData(CPathReaderState& state, std::string_view data,
                  std::vector<CPointData>& points, int& drawn, ISubpathSink& sink) {
    CPathReader(state, points, drawn, sink).Read(data);
}

void CollectPathPoints(CPathReaderState& state, std::string_view data,
                       std::vector<CPointData>& points, int& drawn) {
    CKeepSubpaths keep;
    ReadPathData(state, data, points, drawn, keep);
}

}  // namespace vx
