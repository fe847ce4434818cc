#pragma once
// Where the points of a symbol instance land. The outline of a use element
// and its fill share this placement, so the two always coincide.
#include <string>
#include <string_view>
#include <vector>

#include "convert/svg_converter.h"

namespace vx {

// The instance matrix is the use element's transform with a and d fixed at
// 0.55; after it and the group transforms the coordinates are doubled and
// shifted by the element's x and y.
class CSymbolPlacement {
public:
    CSymbolPlacement(const CSvgConverter& conv, std::string_view transform, std::string_view x,
                     std::string_view y);
    // The DXF point (y flipped) of a symbol point.
    void Place(double& x, double& y) const;

private:
    const CSvgConverter& m_conv;
    CMatrix m_matrix;
    double m_dx = 0, m_dy = 0;
};

// The symbol a use element's link names: trimmed, one leading "#" dropped.
const CSymble* FindLinkedSymbol(const CSvgConverter& conv, std::string_view link);

// All subpaths of the symbol's path data; the last point carries the
// closepath that ended the data.
std::vector<CPointData> CollectSymbolPoints(CSvgConverter& conv, const CSymble& symbol);

}  // namespace vx
