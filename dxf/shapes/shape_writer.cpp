#include "dxf/shapes/shape_writer.h"

#include "base/matrix.h"

void CShapeWriter::ResetForFile() {
    m_nNonFiniteLeftOut = 0;
    m_layer = "0";
}

void CShapeWriter::MapPoint(const vx::CClassicStyle& style, const vx::CElementTransform& transform,
                            double& x, double& y) {
    if (transform.given) vx::ApplyMatrix(transform.matrix, x, y);
    style.groups->Apply(x, y);
}
