#include <cmath>

#include "base/finite.h"
#include "dxf/shapes/shape_constants.h"
#include "dxf/shapes/shape_writer.h"
#include "dxf/dxf_palette.h"

void CShapeWriter::DrawCircle(const vx::CClassicEllipse& circle) {
    const vx::CClassicStyle& style = circle.style;
    CPointData centre(circle.cx, circle.cy);
    CPointData radiusEnd(circle.rx, 0);
    CPointData origin(0, 0);
    for (CPointData* p : {&centre, &radiusEnd, &origin})
        MapPoint(style, circle.transform, p->x, p->y);
    // The mapped length of a horizontal radius: a non-uniform scale keeps a circle.
    const double radius = std::hypot(radiusEnd.x - origin.x, radiusEnd.y - origin.y);
    const double dxfY = style.height - centre.y;
    if (!vx::AllFinite({centre.x, dxfY, radius})) return LeaveOutNonFinite();
    if (radius == 0) return;
    if (circle.fill) {
        const DL_HatchEdgeData edge(centre.x, dxfY, radius, 0, vx::kTwoPi, true);
        WriteCurveFill(style, edge);
    }
    if (circle.stroke) {
        m_output.WriteCircle(DL_CircleData(centre.x, dxfY, 0, radius),
                             EntityAttributes(style.layer, style.color, 0, circle.lineType));
    }
}

void CShapeWriter::WriteCurveFill(const vx::CClassicStyle& style, const DL_HatchEdgeData& edge) {
    // Circle and ellipse fills do not consult the fill option.
    WriteSingleLoopHatch(EntityAttributes(style.layer, vx::NearestDxfColor(style.fillRgb), -1, "BYLAYER"),
                         1.0, 1, [&] { m_output.WriteHatchEdge(edge); });
}
