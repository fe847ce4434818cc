#pragma once
// Where the browser reading puts the drawing: the matrix from the root's user
// units to DXF coordinates (y up), and the units the DXF header declares.
#include "convert/records.h"

class CXML;

namespace vx {

struct CRootFrame {
    CMatrix toDrawing;
    int insUnits = 0;  // 4 millimetres; 0 leaves $INSUNITS out
};

// A root sized in absolute units (mm, cm, in, pt, pc, px) maps its viewBox to
// that size in millimetres, so a cutter gets true sizes. Otherwise coordinates
// stay user units, flipped at the height the classic reading flips at, so both
// readings put a drawing in the same place.
CRootFrame RootFrame(const CXML& svg);

}  // namespace vx
