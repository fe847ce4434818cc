#pragma once
// The viewBox of an svg (or symbol, marker ...) fitted into its viewport.
#include <string_view>

#include "base/records.h"

class CXML;

namespace vx {

// A preserveAspectRatio text read: "[defer] <align> [meet | slice]", align
// being none or x{Min,Mid,Max}Y{Min,Mid,Max}; an empty or invalid text reads
// as xMidYMid meet, as browsers read it.
struct CAspectRatio {
    enum Align { kMin, kMid, kMax };
    bool stretch = false;  // align "none": each axis scaled on its own
    Align x = kMid, y = kMid;
    bool slice = false;
};
CAspectRatio ReadAspectRatio(std::string_view text);

// The matrix from viewBox coordinates to the viewport's (width × height, at
// its origin), fitted as the aspect ratio says. A viewBox that is not finite
// or not above 0 wide and high, or a viewport size that is not finite or
// below 0, gives the identity: the viewBox is then ignored.
CMatrix ViewportMatrix(double vbX, double vbY, double vbW, double vbH, double width, double height,
                       const CAspectRatio& aspect);
CMatrix ViewportMatrix(double vbX, double vbY, double vbW, double vbH, double width, double height,
                       std::string_view preserveAspectRatio);

// A nested svg's, a symbol's or a marker's viewBox and preserveAspectRatio
// mapped onto its width x height, a size not above 0 taking the viewBox's own;
// the identity without a usable viewBox.
CMatrix ViewportOf(const CXML& element, double width, double height);

}  // namespace vx
