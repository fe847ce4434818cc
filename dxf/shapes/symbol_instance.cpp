#include "dxf/shapes/symbol_instance.h"

namespace vx {

CSymbolPlacement PlaceSymbolInstance(const CClassicUse& use) {
    const CGroupTransforms& stack = *use.style.groups;
    const CGroupMatrices groups{stack.Entries(), stack.Active() ? stack.Depth() : 0};
    return CSymbolPlacement(use.matrix, use.x, use.y, groups, use.style.height);
}

}  // namespace vx
