#include "dxf/shapes/shape_writer.h"

#include "base/matrix.h"

void CShapeWriter::MapPoint(bool hasTransform, const CMatrix& m, double& x, double& y) const {
    if (hasTransform) vx::ApplyMatrix(m, x, y);
    m_groupTransforms.Apply(x, y);
}
