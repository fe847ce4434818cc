#pragma once
// The one reading of path data: the d text cut into commands and turned into
// absolute segments, handed on one at a time. Drawing (path_parser) and the
// marker vertices (path_vertices) both take their segments from here, so the
// two cannot read the same data differently.
#include <string>
#include <string_view>

#include "geometry/path_numbers.h"

namespace vx {

// What the reader carries from one path data to the next within a document.
// The document keeps one and every reading goes through it, so a marker read
// while its path is drawn leaves the same previous command and control point
// that the path then sees.
struct CPathReaderState {
    std::string previousCommand;
    int closePending = 0;  // a closepath was read and its subpath has not ended yet
    double lastControlX = 0;
    double lastControlY = 0;
    long long pointsLeft = 0;  // reading stops at 0
    long long textLeft = 0;    // no more path data is read at 0
    // Above 0, curves are flattened to within this distance (the reading's
    // units); 0 keeps the fixed sample counts.
    double tolerance = 0;
    // Path data read as SVG reads it: an S or T after anything but a curve of
    // its kind starts from the current point, and a segment after a closepath
    // starts a new subpath at the closed one's start. Else the classic
    // reading's rules: such an S takes its second control point for its first,
    // such a T is skipped, and a segment after a closepath goes on from the
    // last point reached.
    bool svgPathRules = false;

    // A new document: no previous command, pending closepath or control
    // point, fresh budgets; a file reads the same alone or after another.
    void StartDocument(long long points, long long text) {
        previousCommand.clear();
        closePending = 0;
        lastControlX = lastControlY = 0;
        pointsLeft = points;
        textLeft = text;
    }
    bool BudgetSpent() const { return pointsLeft <= 0 || textLeft <= 0; }
};

enum class SegmentKind { Move, Line, Cubic, Quadratic, Arc, Close };

// One segment, every point absolute. (x0, y0) is the current point before it,
// (x, y) the one after it.
struct CPathSegment {
    SegmentKind kind = SegmentKind::Move;
    double x0 = 0, y0 = 0;
    double x = 0, y = 0;
    // A cubic's two control points; a quadratic's one is (x1, y1).
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    CArcArguments arc;  // an arc's radii, rotation and flags; its end is (x, y)
    // A moveto ends the subpath before it unless a closepath already has
    // (SVG's rules, or the start of a new subpath after a closepath);
    // closed: the subpath it ends was closed.
    bool endsSubpath = false;
    bool closed = false;
    // A C right after a moveto: the classic flattening drops the moveto's
    // point, which the cubic's first piece repeats (an S keeps it).
    bool cubicAfterMoveto = false;
};

class IPathSegmentSink {
public:
    virtual ~IPathSegmentSink() = default;
    virtual void Take(const CPathSegment& segment) = 0;
};

// Reads data with state's rules, handing each segment to sink as it is read.
// Stops when the state's point budget (which the sink spends) or text budget
// runs out, or at a command whose numbers end the data. Only the state and the
// current subpath are kept, so long data needs no list of segments.
void ReadPathSegments(CPathReaderState& state, std::string_view data, IPathSegmentSink& sink);

}  // namespace vx
