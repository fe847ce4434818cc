#pragma once
// Where the points of a symbol instance land. The outline of a use element
// and its fill share this placement, so the two always coincide.
#include <string_view>
#include <vector>

#include "base/records.h"
#include "geometry/path_parser.h"

namespace vx {

// The matrices of the enclosing groups, the outermost first; none when the
// group transforms are not in use.
struct CGroupMatrices {
    const CMatrix* matrices = nullptr;
    int count = 0;
};

// The instance matrix is the use element's matrix with a and d fixed at 0.55;
// after it and the group matrices the coordinates are doubled and shifted by
// the element's x and y, and y is flipped in a drawing of the given height.
class CSymbolPlacement {
public:
    CSymbolPlacement(const CMatrix& useMatrix, double x, double y, CGroupMatrices groups,
                     double height);
    // The DXF point (y flipped) of a symbol point.
    void Place(double& x, double& y) const;

private:
    CMatrix m_matrix;
    CGroupMatrices m_groups;
    double m_height;
    double m_dx = 0, m_dy = 0;
};

// All subpaths of a symbol's path data; the last point carries the closepath
// that ended the data.
std::vector<CPointData> CollectSymbolPoints(CPathReaderState& state, std::string_view path);

}  // namespace vx
