#pragma once
// Where a use element's symbol lands: the element's matrix and position, the
// enclosing groups and the drawing's height.
#include "geometry/symbol_placement.h"
#include "svg/classic_drawables.h"

namespace vx {

CSymbolPlacement PlaceSymbolInstance(const CClassicUse& use);

}  // namespace vx
