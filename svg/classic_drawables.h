#pragma once
// What the classic reading hands over to be drawn: each element resolved into
// numbers, matrices, colours and names, with the state the walker carried to
// it. The records point into the element tree, the walker state and the
// definitions, which outlive the call that hands them over.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/records.h"
#include "svg/group_transforms.h"

namespace vx {

// An element's own transform: the matrix, and whether the element had one
// (without one, only the group transforms apply).
struct CElementTransform {
    CMatrix matrix;
    bool given = false;
};

// What the carried state gives the element: the drawing's height (which flips
// y), the open groups' transforms, its colours and stroke widths, the layer
// and the line type in effect.
struct CClassicStyle {
    double height = 0;
    const CGroupTransforms* groups = nullptr;
    int color = 0;  // the stroke's DXF colour number
    uint32_t fillRgb = 0;
    double strokeWidth = 0;       // the element's; 0 when it gave none
    double groupStrokeWidth = 0;  // the group's
    std::string_view layer;
    std::string_view lineType;  // the line type carried from element to element
};

// A marker placed at a path's start or end: its path data read through the
// document's path reader, its own matrix and its reference point.
struct CClassicMarker {
    std::string_view path;
    CElementTransform transform;
    double refX = 0, refY = 0;
};

// A path, stroked or filled; a stroked path's line type, that of its own
// dash array, is the one its style carries on.
struct CClassicPath {
    CClassicStyle style;
    CElementTransform transform;
    std::string_view data;  // read by the document's path reader
    const CClassicMarker* markerStart = nullptr;
    const CClassicMarker* markerEnd = nullptr;
};

struct CClassicPolyline {
    CClassicStyle style;
    CElementTransform transform;
    // The resolver's buffer, reused from polyline to polyline: the drawing
    // side may map the points in place.
    std::vector<CPointData>* points = nullptr;
    std::string lineType;
    bool closed = false;
};

struct CClassicLine {
    CClassicStyle style;
    CElementTransform transform;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// A rectangle with its corner radii already fitted to its sides.
struct CClassicRect {
    CClassicStyle style;
    CElementTransform transform;
    double x = 0, y = 0, width = 0, height = 0;
    double rx = 0, ry = 0;
    bool filled = false;
};

// A circle (rx == ry, round) or an ellipse; the radii are not negative.
struct CClassicEllipse {
    CClassicStyle style;
    CElementTransform transform;
    double cx = 0, cy = 0, rx = 0, ry = 0;
    bool round = false;
    bool fill = false;
    bool stroke = false;
    std::string lineType;
};

struct CClassicUse {
    CClassicStyle style;
    CMatrix matrix;  // the use element's transform
    double x = 0, y = 0;
    std::string_view symbolPath;
};

// A text's placement: the matrix of its transform, how much that scales
// lengths, and its turn (radians, counter-clockwise in DXF).
struct CTextPlacement {
    CMatrix matrix;
    double scale = 1;
    double angle = 0;
};

struct CClassicText {
    CClassicStyle style;
    CTextPlacement placement;
    double x = 0, y = 0;
    double fontSize = 0;
    std::string content;  // as shown: character references decoded
    std::string_view family;
};

struct CClassicImage {
    CClassicStyle style;
    double x = 0, y = 0, width = 0, height = 0;
    std::string reference;  // the picture's address, character references decoded
};

// Where the classic reading's drawables go. The drawing side knows nothing of
// the SVG texts they came from.
class IClassicDrawing {
public:
    virtual ~IClassicDrawing() = default;
    virtual void DrawPath(const CClassicPath& path) = 0;
    virtual void FillPath(const CClassicPath& path) = 0;
    virtual void DrawPolyline(const CClassicPolyline& polyline) = 0;
    virtual void DrawLine(const CClassicLine& line) = 0;
    virtual void DrawRect(const CClassicRect& rect) = 0;
    virtual void DrawEllipse(const CClassicEllipse& ellipse) = 0;
    virtual void DrawUse(const CClassicUse& use) = 0;
    virtual void FillUse(const CClassicUse& use) = 0;
    virtual void DrawText(const CClassicText& text) = 0;
    virtual void DrawImage(const CClassicImage& image) = 0;
};

}  // namespace vx
