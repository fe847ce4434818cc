#pragma once
// The path data reader: turns the d attribute of a path (or of a marker or
// symbol) into points, and hands each subpath to a sink as a moveto ends it.
#include <string>
#include <string_view>
#include <vector>

#include "base/records.h"

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

// Where the subpaths that a moveto ends go. points holds every point read
// since the sink last took some (nothing at the first moveto); the last one
// carries subpathEnd and closed. A sink takes the subpath by clearing the list;
// points it leaves stay, and the next subpath is appended to them.
class ISubpathSink {
public:
    virtual ~ISubpathSink() = default;
    virtual void SubpathEnded(std::vector<CPointData>& points) = 0;
};

// Reads data into points, handing each subpath that a moveto ends to sink. The
// last subpath stays in points. drawn counts the points drawn (not movetos).
void ReadPathData(CPathReaderState& state, std::string_view data,
                  std::vector<CPointData>& points, int& drawn, ISubpathSink& sink);
// Reads data into points, keeping every subpath: each one but the last ends
// on a point that carries subpathEnd.
void CollectPathPoints(CPathReaderState& state, std::string_view data,
                       std::vector<CPointData>& points, int& drawn);

}  // namespace vx
