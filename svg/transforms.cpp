// The group transform stack and the mapping of points through the element's
// own matrix and the matrices of the enclosing groups.
#include "base/matrix.h"
#include "convert/svg_converter.h"
#include "svg/number_list.h"

void CSvgConverter::ResetTransforms() {
    m_groupTransforms.Reset();
    m_walker.m_dWidth = 0;
    m_walker.m_dHeight = 0;
}

void CSvgConverter::PushTransform() { m_groupTransforms.Push(); }

void CSvgConverter::PopTransform() { m_groupTransforms.Pop(); }

void CSvgConverter::ApplyMatrix(const CMatrix& m, double& x, double& y) {
    vx::ApplyMatrix(m, x, y);
}

void CSvgConverter::ApplyGroupTransforms(double& x, double& y) const {
    m_groupTransforms.Apply(x, y);
}

void CSvgConverter::MapPoint(bool hasTransform, const CMatrix& m, double& x, double& y) const {
    if (hasTransform) ApplyMatrix(m, x, y);
    ApplyGroupTransforms(x, y);
}
