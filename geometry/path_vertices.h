#pragma once
// The vertices of path data, where markers stand: the start of every subpath,
// the end of every segment and the point a closepath returns to, each with the
// directions the path arrives and leaves in. Curves are not flattened here:
// their directions at the ends come from their control points.
#include <functional>
#include <string_view>

namespace vx {

struct CPathVertex {
    double x = 0, y = 0;
    double inX = 0, inY = 0;    // the direction the path arrives in; 0, 0 for none
    double outX = 0, outY = 0;  // the direction it leaves in; 0, 0 for none
};

// first: the path's first vertex; last: its last one (a lone vertex is both).
using CVertexSink = std::function<void(const CPathVertex& vertex, bool first, bool last)>;

// Hands every vertex of data to sink in order. The data is read by the same
// segment reader, with the same rules (svgPathRules), as the browser reading
// draws it, so the vertices lie on what it draws; one vertex is held at a
// time, so long data needs no list of them.
void ListPathVertices(std::string_view data, const CVertexSink& sink);

// The marker angle at a vertex, in radians in the data's coordinates: the
// bisector of the two directions, the one there is when the other is missing
// (a path's first and last vertex, the ends of an open subpath), 0 for none.
double VertexAngle(const CPathVertex& vertex);

}  // namespace vx
