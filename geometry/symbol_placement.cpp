#include "geometry/symbol_placement.h"

#include "base/matrix.h"

namespace vx {

CSymbolPlacement::CSymbolPlacement(const CMatrix& useMatrix, double x, double y,
                                   CGroupMatrices groups, double height)
    : m_matrix(useMatrix), m_groups(groups), m_height(height), m_dx(x), m_dy(y) {
    m_matrix.a = 0.55;
    m_matrix.d = 0.55;
}

void CSymbolPlacement::Place(double& x, double& y) const {
    ApplyMatrix(m_matrix, x, y);
    // The innermost group first: its matrix is nearest to the element.
    for (int i = m_groups.count - 1; i >= 0; --i) ApplyMatrix(m_groups.matrices[i], x, y);
    x = 2 * x + m_dx;
    y = m_height - (2 * y + m_dy);
}

std::vector<CPointData> CollectSymbolPoints(CPathReaderState& state, std::string_view path) {
    std::vector<CPointData> points;
    int drawn = 0;
    CollectPathPoints(state, path, points, drawn);
    if (state.closePending && !points.empty()) points.back().closed = 1;
    return points;
}

}  // namespace vx
