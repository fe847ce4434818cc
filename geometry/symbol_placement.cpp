#include "geometry/symbol_placement.h"

#include "convert/text.h"

namespace vx {

CSymbolPlacement::CSymbolPlacement(const CSvgConverter& conv, std::string_view transform,
                                   std::string_view x, std::string_view y)
    : m_conv(conv), m_dx(LeadingNumber(x)), m_dy(LeadingNumber(y)) {
    CSvgConverter::ParseTransform(transform, m_matrix);
    m_matrix.a = 0.55;
    m_matrix.d = 0.55;
}

void CSymbolPlacement::Place(double& x, double& y) const {
    CSvgConverter::ApplyMatrix(m_matrix, x, y);
    m_conv.ApplyGroupTransforms(x, y);
    x = 2 * x + m_dx;
    y = m_conv.m_dHeight - (2 * y + m_dy);
}

const CSymble* FindLinkedSymbol(const CSvgConverter& conv, std::string_view link) {
    link = TrimView(link);
    if (link.empty()) return nullptr;
    if (link[0] == '#') link.remove_prefix(1);
    return conv.FindSymbol(link);
}

std::vector<CPointData> CollectSymbolPoints(CSvgConverter& conv, const CSymble& symbol) {
    std::vector<CPointData> points;
    int drawn = 0;
    vx::CPathReaderState state = conv.PathReaderState();
    CollectPathPoints(state, symbol.path, points, drawn);
    if (conv.m_bClosePending && !points.empty()) points.back().closed = 1;
    return points;
}

}  // namespace vx
