#pragma once
// How a drawable of the browser reading is painted, decided from its computed
// style: DXF colour numbers, the stroke width in drawing units, the fill rule.
#include <string>

namespace vx {

struct CResolvedPaint {
    bool fill = false;
    int fillColor = 7;
    bool evenOdd = false;  // else nonzero: overlapping loops are united first
    bool stroke = false;
    int strokeColor = 7;
    double strokeWidth = 0;  // drawing units, the transform applied
    std::string dashArray;   // as the style gives it; a line type when the frame has it
    double dashScale = 1;    // the pattern's user units in drawing units: the entity's line type scale
    bool fillAsOutline = false;  // hatch fills off: the fill becomes an outline in its colour
};

}  // namespace vx
