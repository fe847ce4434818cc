#pragma once
// A use element's symbol in this document: found through its link and placed
// through the element's transform and the enclosing groups.
#include <string_view>

#include "dxf/shapes/shape_writer.h"
#include "geometry/symbol_placement.h"

namespace vx {

// The symbol a use element's link names: trimmed, one leading "#" dropped.
const CSymble* FindLinkedSymbol(const CShapeWriter& shapes, std::string_view link);

CSymbolPlacement PlaceSymbolInstance(const CShapeWriter& shapes, std::string_view transform,
                                     std::string_view x, std::string_view y);

}  // namespace vx
