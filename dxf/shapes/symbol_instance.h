#pragma once
// A use element's symbol in this document: found through its link and placed
// through the element's transform and the enclosing groups.
#include <string_view>

#include "convert/svg_converter.h"
#include "geometry/symbol_placement.h"

namespace vx {

// The symbol a use element's link names: trimmed, one leading "#" dropped.
const CSymble* FindLinkedSymbol(const CSvgConverter& conv, std::string_view link);

CSymbolPlacement PlaceSymbolInstance(const CSvgConverter& conv, std::string_view transform,
                                     std::string_view x, std::string_view y);

}  // namespace vx
