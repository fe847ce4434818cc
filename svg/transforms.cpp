// The group transform stack and the mapping of points through the element's
// own matrix and the matrices of the enclosing groups.
#include <algorithm>

#include "base/matrix.h"
#include "convert/svg_converter.h"
#include "svg/number_list.h"

void CSvgConverter::ResetTransforms() {
    std::fill(std::begin(m_transforms), std::end(m_transforms), CMatrix());
    m_nTransformDepth = 0;
    m_nGroupDepth = 0;
    m_bGroupTransforms = 0;
    m_dWidth = 0;
    m_dHeight = 0;
}

// Groups nested deeper than the stack still count, so every push meets its
// pop, but they own no entry and contribute no transform.
void CSvgConverter::PushTransform() {
    ++m_nGroupDepth;
    if (m_nGroupDepth > kTransformStackSize) return;
    m_transforms[m_nGroupDepth - 1] = CMatrix();
    m_nTransformDepth = m_nGroupDepth;
}

void CSvgConverter::PopTransform() {
    if (m_nGroupDepth == 0) return;
    if (m_nGroupDepth <= kTransformStackSize) {
        m_transforms[m_nGroupDepth - 1] = CMatrix();
        m_nTransformDepth = m_nGroupDepth - 1;
    }
    --m_nGroupDepth;
}

void CSvgConverter::ApplyMatrix(const CMatrix& m, double& x, double& y) {
    vx::ApplyMatrix(m, x, y);
}

void CSvgConverter::ApplyGroupTransforms(double& x, double& y) const {
    if (!m_bGroupTransforms) return;
    // The innermost group first: its matrix is nearest to the element.
    for (int i = m_nTransformDepth - 1; i >= 0; --i) ApplyMatrix(m_transforms[i], x, y);
}

void CSvgConverter::MapPoint(bool hasTransform, const CMatrix& m, double& x, double& y) const {
    if (hasTransform) ApplyMatrix(m, x, y);
    ApplyGroupTransforms(x, y);
}
