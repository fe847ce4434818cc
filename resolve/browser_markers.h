#pragma once
// What a marker element brings to every vertex it is drawn at, read once per
// marker: its content's style, which comes from the marker's own place in the
// tree and not from the path, and the matrix that fits its content to the vertex.
#include <vector>

#include "base/records.h"
#include "resolve/computed_style.h"

class CXML;

namespace vx {

enum class MarkerOrient { Fixed, Auto, AutoStartReverse };

struct CMarkerSource {
    const CXML* element = nullptr;
    CComputedStyle style;
    std::vector<const CXML*> ancestors;  // the root first, the marker's parent last
    // Content units into the marker's own: its viewBox fitted to markerWidth x
    // markerHeight, moved so that refX, refY lies on the origin.
    CMatrix content;
    MarkerOrient orient = MarkerOrient::Fixed;
    double fixedAngle = 0;           // radians
    bool scalesWithStroke = true;    // markerUnits strokeWidth
    bool drawn = true;               // false for a zero markerWidth or markerHeight
    // The marker's viewport in its own units, which clips its content unless
    // overflow is visible; empty when it does not clip.
    std::vector<CPointData> viewport;
};

}  // namespace vx
