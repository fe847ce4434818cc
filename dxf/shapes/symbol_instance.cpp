#include "dxf/shapes/symbol_instance.h"

#include "base/text.h"
#include "svg/transform_text.h"

namespace vx {

const CSymble* FindLinkedSymbol(const CShapeWriter& shapes, std::string_view link) {
    link = TrimView(link);
    if (link.empty()) return nullptr;
    if (link[0] == '#') link.remove_prefix(1);
    return shapes.Definitions().FindSymbol(link);
}

CSymbolPlacement PlaceSymbolInstance(const CShapeWriter& shapes, std::string_view transform,
                                     std::string_view x, std::string_view y) {
    CMatrix useMatrix;
    vx::ParseTransform(transform, useMatrix);
    const CGroupTransforms& stack = shapes.GroupTransforms();
    const CGroupMatrices groups{stack.Entries(), stack.Active() ? stack.Depth() : 0};
    return CSymbolPlacement(useMatrix, x, y, groups, shapes.Walker().m_dHeight);
}

}  // namespace vx
