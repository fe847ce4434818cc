#include "geometry/path_segments.h"

#include <string>
#include <utility>

#include "base/text.h"
#include "geometry/path_commands.h"

namespace vx {

namespace {

// One run over path data: the current point and the current subpath's start;
// everything that outlives the run is in the state.
class CSegmentReader {
public:
    CSegmentReader(CPathReaderState& state, IPathSegmentSink& sink) : m_state(state), m_sink(sink) {}

    void Read(std::string_view data);

private:
    // False when the command ends the reading of the whole path data.
    bool Interpret(const std::string& command, std::string_view args);
    void Moveto(bool relative, std::string_view args, bool subpathEnded);
    void Close();
    void Move(double x, double y, bool endsSubpath);
    void Line(double x, double y);
    bool Cubic(bool relative, std::string_view args, bool afterMoveto);
    void SmoothCubic(bool relative, std::string_view args, bool afterCubic);
    void Quadratic(bool relative, std::string_view args);
    void SmoothQuadratic(bool relative, std::string_view args, bool afterQuadratic);
    bool Arc(bool relative, std::string_view args);
    void Draw(CPathSegment& segment);
    void Offset(bool relative, double* values, int pairs) const;

    CPathReaderState& m_state;
    IPathSegmentSink& m_sink;
    double m_x = 0, m_y = 0;            // the current point
    double m_startX = 0, m_startY = 0;  // where the current subpath began
    bool m_inSubpath = false;
    bool m_restartPending = false;  // a closepath ended the subpath (SVG's rules)
};

void CSegmentReader::Read(std::string_view data) {
    std::string command;
    std::string_view args;
    bool progressed = true;
    // Each reading uses the whole text: a command search may look to its end.
    if (m_state.textLeft <= 0) return;
    m_state.textLeft -= static_cast<long long>(data.size());
    for (;;) {
        if (m_state.pointsLeft <= 0) return;  // the document's points are spent
        if (m_state.svgPathRules && TakeLeadingClosepaths(data)) Close();
        const CPathCutState cut{m_state.previousCommand, m_state.closePending};
        const char* before = data.data();
        if (!NextPathCommand(data, command, args, cut, progressed)) return;
        progressed = data.data() != before;
        command = std::string(TrimView(command));
        if (command.empty()) {
            if (m_state.previousCommand.empty()) continue;
            command = std::string(RepeatedCommand(m_state.previousCommand));
        }
        const bool keepGoing = Interpret(command, args);
        m_state.previousCommand = command;
        if (!keepGoing) return;
    }
}

bool CSegmentReader::Interpret(const std::string& command, std::string_view args) {
    const std::string& previous = m_state.previousCommand;
    if (command.size() != 1) return true;
    const char letter = command[0];
    const bool relative = letter >= 'a' && letter <= 'z';
    // SVG: a segment after a closepath starts a new subpath where the closed one began.
    const bool afterClose = std::exchange(m_restartPending, false);
    if (afterClose && IsSegmentCommand(letter)) Move(m_x, m_y, false);
    double x = 0, y = 0;
    switch (letter) {
        case 'M': case 'm':
            Moveto(relative, args, afterClose);
            return true;
        case 'L': case 'l':
            ParsePointPair(args, x, y, m_state.closePending);
            Line(relative ? x + m_x : x, relative ? y + m_y : y);
            return true;
        case 'H': case 'h':
            x = LeadingNumber(args);
            Line(relative ? x + m_x : x, m_y);
            return true;
        case 'V': case 'v':
            y = LeadingNumber(args);
            Line(m_x, relative ? y + m_y : y);
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

void CSegmentReader::Offset(bool relative, double* values, int pairs) const {
    if (!relative) return;
    for (int i = 0; i < pairs; ++i) {
        values[2 * i] += m_x;
        values[2 * i + 1] += m_y;
    }
}

void CSegmentReader::Moveto(bool relative, std::string_view args, bool subpathEnded) {
    double x = 0, y = 0;
    ParsePointPair(args, x, y, m_state.closePending);
    // A relative moveto after a closepath starts from the closed subpath's start.
    const bool fromStart = !subpathEnded && m_state.closePending && m_inSubpath;
    const double fromX = fromStart ? m_startX : m_x, fromY = fromStart ? m_startY : m_y;
    // A subpath a closepath has ended is not ended again.
    Move(relative ? x + fromX : x, relative ? y + fromY : y, !subpathEnded);
}

void CSegmentReader::Move(double x, double y, bool endsSubpath) {
    CPathSegment segment;
    segment.kind = SegmentKind::Move;
    segment.x0 = m_x;
    segment.y0 = m_y;
    segment.x = x;
    segment.y = y;
    segment.endsSubpath = endsSubpath;
    segment.closed = m_state.closePending != 0;
    m_sink.Take(segment);
    if (endsSubpath) m_state.closePending = 0;
    m_x = m_startX = x;
    m_y = m_startY = y;
    m_inSubpath = true;
}

// SVG ends a subpath at its closepath: the current point goes back to the
// subpath's start, where a segment that follows begins a new one.
void CSegmentReader::Close() {
    m_state.closePending = 1;
    CPathSegment segment;
    segment.kind = SegmentKind::Close;
    segment.x0 = m_x;
    segment.y0 = m_y;
    if (m_inSubpath) {
        m_x = m_startX;
        m_y = m_startY;
    }
    segment.x = m_x;
    segment.y = m_y;
    segment.endsSubpath = segment.closed = true;
    m_sink.Take(segment);
    m_state.closePending = 0;
    m_inSubpath = false;
    m_restartPending = true;
}

void CSegmentReader::Line(double x, double y) {
    CPathSegment segment;
    segment.kind = SegmentKind::Line;
    segment.x = x;
    segment.y = y;
    Draw(segment);
}

bool CSegmentReader::Cubic(bool relative, std::string_view args, bool afterMoveto) {
    double v[6];
    if (!ParseNumberList(args, v, 6, m_state.closePending)) return false;
    Offset(relative, v, 3);
    CPathSegment segment;
    segment.kind = SegmentKind::Cubic;
    segment.x1 = v[0];
    segment.y1 = v[1];
    segment.x2 = m_state.lastControlX = v[2];
    segment.y2 = m_state.lastControlY = v[3];
    segment.x = v[4];
    segment.y = v[5];
    segment.cubicAfterMoveto = afterMoveto;
    Draw(segment);
    return true;
}

void CSegmentReader::SmoothCubic(bool relative, std::string_view args, bool afterCubic) {
    double v[4];
    if (!ParseNumberList(args, v, 4, m_state.closePending)) return;
    Offset(relative, v, 2);
    CPathSegment segment;
    segment.kind = SegmentKind::Cubic;
    segment.x1 = v[0];
    segment.y1 = v[1];
    if (afterCubic) {
        segment.x1 = 2 * m_x - m_state.lastControlX;
        segment.y1 = 2 * m_y - m_state.lastControlY;
    } else if (m_state.svgPathRules) {
        segment.x1 = m_x;
        segment.y1 = m_y;
    }
    segment.x2 = m_state.lastControlX = v[0];
    segment.y2 = m_state.lastControlY = v[1];
    segment.x = v[2];
    segment.y = v[3];
    Draw(segment);
}

void CSegmentReader::Quadratic(bool relative, std::string_view args) {
    double v[4];
    if (!ParseNumberList(args, v, 4, m_state.closePending)) return;
    Offset(relative, v, 2);
    CPathSegment segment;
    segment.kind = SegmentKind::Quadratic;
    segment.x1 = m_state.lastControlX = v[0];
    segment.y1 = m_state.lastControlY = v[1];
    segment.x = v[2];
    segment.y = v[3];
    Draw(segment);
}

void CSegmentReader::SmoothQuadratic(bool relative, std::string_view args, bool afterQuadratic) {
    double v[2];
    ParsePointPair(args, v[0], v[1], m_state.closePending);
    // Nothing to reflect: the classic reading skips the T, SVG draws a line.
    if (!afterQuadratic && !m_state.svgPathRules) return;
    Offset(relative, v, 1);
    CPathSegment segment;
    segment.kind = SegmentKind::Quadratic;
    segment.x1 = afterQuadratic ? 2 * m_x - m_state.lastControlX : m_x;
    segment.y1 = afterQuadratic ? 2 * m_y - m_state.lastControlY : m_y;
    m_state.lastControlX = segment.x1;
    m_state.lastControlY = segment.y1;
    segment.x = v[0];
    segment.y = v[1];
    Draw(segment);
}

bool CSegmentReader::Arc(bool relative, std::string_view args) {
    CPathSegment segment;
    segment.kind = SegmentKind::Arc;
    if (!ParseArcArguments(args, segment.arc, m_state.closePending)) return false;
    if (relative) {
        segment.arc.x += m_x;
        segment.arc.y += m_y;
    }
    segment.x = segment.arc.x;
    segment.y = segment.arc.y;
    Draw(segment);
    return true;
}

void CSegmentReader::Draw(CPathSegment& segment) {
    segment.x0 = m_x;
    segment.y0 = m_y;
    // Data that begins without a moveto starts its subpath at the first point
    // drawn: a line's end, a curve's start.
    if (!m_inSubpath) {
        const bool line = segment.kind == SegmentKind::Line;
        m_startX = line ? segment.x : m_x;
        m_startY = line ? segment.y : m_y;
        m_inSubpath = true;
    }
    m_sink.Take(segment);
    m_x = segment.x;
    m_y = segment.y;
}

}  // namespace

void ReadPathSegments(CPathReaderState& state, std::string_view data, IPathSegmentSink& sink) {
    CSegmentReader(state, sink).Read(data);
}

}  // namespace vx
