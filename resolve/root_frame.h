#pragma once
// Where the browser reading puts the drawing: the matrix from the root's user
// units to DXF coordinates (y up), and the units the DXF header declares.
#include "base/records.h"

class CXML;

namespace vx {

struct CRootFrame {
    CMatrix toDrawing;
    int insUnits = 0;  // 4 millimetres; 0 leaves $INSUNITS out
    // How far a flattened curve may stray, in drawing units: a small share of
    // the drawing's diagonal, finer than any plotter or cutter resolves.
    double flatness = 0;
};

// A root sized in absolute units (mm, cm, in, pt, pc, px) maps its viewBox to
// that size in millimetres, so a cutter gets true sizes. Otherwise coordinates
// stay user units, flipped at the height the classic reading flips at, so both
// readings put a drawing in the same place.
CRootFrame RootFrame(const CXML& svg);

}  // namespace vx
