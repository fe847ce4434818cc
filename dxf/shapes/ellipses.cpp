#include <cmath>

#include "base/finite.h"
#include "base/text.h"
#include "dxf/shapes/shape_constants.h"
#include "dxf/shapes/shape_writer.h"
#include "svg/transform_text.h"

namespace {

// Centre and axis end in SVG orientation, as the DXF groups will hold them.
bool EllipseIsFinite(double height, double cx, double cy, double ex, double ey, double ratio) {
    return vx::AllFinite({cx, height - cy, ex - cx, cy - ey, ratio});
}

}  // namespace

void CShapeWriter::ConvertEllipse(int fill, const std::string& transform, const std::string& cx,
                                   const std::string& cy, const std::string& rx,
                                   const std::string& ry, const std::string& dashArray,
                                   int stroke) {
    if (!m_output.m_pWriter || cx.empty() || cy.empty() || rx.empty() || ry.empty()) return;
    if (!fill && !stroke) stroke = 1;
    // Lines and rectangles drawn after this ellipse take its line type.
    m_walker.m_strLineType = DashLineType(dashArray);
    const double x = vx::LeadingNumber(cx), y = vx::LeadingNumber(cy);
    // A negative radius would give a negative axis ratio, which DXF readers
    // reject: the ellipse takes the radii's size.
    const double radiusX = std::fabs(vx::LeadingNumber(rx));
    const double radiusY = std::fabs(vx::LeadingNumber(ry));
    if (radiusX == 0 || radiusY == 0) {
        // A flat ellipse is the line across it.
        std::vector<CPointData> line;
        if (radiusX == 0)
            line = {CPointData(x, y + radiusY), CPointData(x, y - radiusY)};
        else
            line = {CPointData(x + radiusX, y), CPointData(x - radiusX, y)};
        WritePathOutline(line, transform);
        return;
    }
    CMatrix matrix;
    const bool hasTransform = vx::ParseTransform(transform, matrix);
    const bool alongY = radiusY > radiusX;
    CPointData centre(x, y);
    CPointData axisEnd = alongY ? CPointData(x, y + radiusY) : CPointData(x + radiusX, y);
    // The ratio stays as given: a transform moves and stretches the major axis only.
    const double ratio = vx::ReadableAxisRatio(alongY ? radiusX / radiusY : radiusY / radiusX);
    MapPoint(hasTransform, matrix, centre.x, centre.y);
    MapPoint(hasTransform, matrix, axisEnd.x, axisEnd.y);
    // A transform that squeezes the major axis to nothing leaves no ellipse to write.
    if (axisEnd.x == centre.x && axisEnd.y == centre.y) return;
    if (!EllipseIsFinite(m_walker.m_dHeight, centre.x, centre.y, axisEnd.x, axisEnd.y, ratio))
        return LeaveOutNonFinite();
    if (fill) {
        const DL_HatchEdgeData edge(centre.x, m_walker.m_dHeight - centre.y, axisEnd.x - centre.x,
                                    centre.y - axisEnd.y, ratio, 0, vx::kTwoPi, true);
        WriteCurveFill(edge);
    }
    if (stroke) WriteEllipseEntity(centre.x, centre.y, axisEnd.x, axisEnd.y, ratio, 0, vx::kTwoPi);
}

void CShapeWriter::WriteEllipseEntity(double cx, double cy, double ex, double ey, double ratio,
                                       double startAngle, double endAngle) {
    // Readers reject an ellipse without a major axis (a corner squeezed to nothing).
    if (!m_output.m_pWriter || (ex == cx && ey == cy)) return;
    if (!EllipseIsFinite(m_walker.m_dHeight, cx, cy, ex, ey, ratio)) return LeaveOutNonFinite();
    // DXF y runs upward, so the axis's y component is cy - ey.
    m_output.WriteEllipse(DL_EllipseData(cx, m_walker.m_dHeight - cy, 0, ex - cx, cy - ey, 0, ratio,
                                      startAngle, endAngle),
                       EntityAttributes(m_walker.m_nColor, 0, m_walker.m_strLineType));
}
