#include <cmath>

#include "base/finite.h"
#include "dxf/shapes/shape_constants.h"
#include "dxf/shapes/shape_writer.h"

namespace {

// Centre and axis end in SVG orientation, as the DXF groups will hold them.
bool EllipseIsFinite(double height, double cx, double cy, double ex, double ey, double ratio) {
    return vx::AllFinite({cx, height - cy, ex - cx, cy - ey, ratio});
}

}  // namespace

void CShapeWriter::DrawEllipse(const vx::CClassicEllipse& ellipse) {
    if (ellipse.round) return DrawCircle(ellipse);
    const vx::CClassicStyle& style = ellipse.style;
    const double x = ellipse.cx, y = ellipse.cy, radiusX = ellipse.rx, radiusY = ellipse.ry;
    if (radiusX == 0 || radiusY == 0) {
        // A flat ellipse is the line across it.
        std::vector<CPointData> line;
        if (radiusX == 0)
            line = {CPointData(x, y + radiusY), CPointData(x, y - radiusY)};
        else
            line = {CPointData(x + radiusX, y), CPointData(x - radiusX, y)};
        WritePathOutline(line, vx::CClassicPath{style, ellipse.transform, {}});
        return;
    }
    const bool alongY = radiusY > radiusX;
    CPointData centre(x, y);
    CPointData axisEnd = alongY ? CPointData(x, y + radiusY) : CPointData(x + radiusX, y);
    // The ratio stays as given: a transform moves and stretches the major axis only.
    const double ratio = vx::ReadableAxisRatio(alongY ? radiusX / radiusY : radiusY / radiusX);
    MapPoint(style, ellipse.transform, centre.x, centre.y);
    MapPoint(style, ellipse.transform, axisEnd.x, axisEnd.y);
    // A transform that squeezes the major axis to nothing leaves no ellipse to write.
    if (axisEnd.x == centre.x && axisEnd.y == centre.y) return;
    if (!EllipseIsFinite(style.height, centre.x, centre.y, axisEnd.x, axisEnd.y, ratio))
        return LeaveOutNonFinite();
    if (ellipse.fill) {
        const DL_HatchEdgeData edge(centre.x, style.height - centre.y, axisEnd.x - centre.x,
                                    centre.y - axisEnd.y, ratio, 0, vx::kTwoPi, true);
        WriteCurveFill(style, edge);
    }
    if (ellipse.stroke)
        WriteEllipseEntity(style, centre.x, centre.y, axisEnd.x, axisEnd.y, ratio, 0, vx::kTwoPi);
}

void CShapeWriter::WriteEllipseEntity(const vx::CClassicStyle& style, double cx, double cy,
                                      double ex, double ey, double ratio, double startAngle,
                                      double endAngle) {
    // Readers reject an ellipse without a major axis (a corner squeezed to nothing).
    if (ex == cx && ey == cy) return;
    if (!EllipseIsFinite(style.height, cx, cy, ex, ey, ratio)) return LeaveOutNonFinite();
    // DXF y runs upward, so the axis's y component is cy - ey.
    m_output.WriteEllipse(DL_EllipseData(cx, style.height - cy, 0, ex - cx, cy - ey, 0, ratio,
                                         startAngle, endAngle),
                          StrokeAttributes(style));
}
