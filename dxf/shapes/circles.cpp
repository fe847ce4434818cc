#include <cmath>

#include "base/finite.h"
#include "base/text.h"
#include "dxf/shapes/shape_constants.h"
#include "dxf/shapes/shape_writer.h"
#include "dxf/dxf_palette.h"
#include "svg/transform_text.h"

void CShapeWriter::ConvertCircle(int fill, const std::string& transform, const std::string& cx,
                                  const std::string& cy, const std::string& r,
                                  const std::string& dashArray, int stroke) {
    if (!m_output.m_pWriter || cx.empty() || cy.empty() || r.empty()) return;
    // A circle with neither fill nor stroke is still drawn as an outline.
    if (!fill && !stroke) stroke = 1;
    const std::string lineType = DashLineType(dashArray);
    CMatrix matrix;
    const bool hasTransform = vx::ParseTransform(transform, matrix);
    CPointData centre(vx::LeadingNumber(cx), vx::LeadingNumber(cy));
    CPointData radiusEnd(vx::LeadingNumber(r), 0);
    CPointData origin(0, 0);
    for (CPointData* p : {&centre, &radiusEnd, &origin}) MapPoint(hasTransform, matrix, p->x, p->y);
    // The mapped length of a horizontal radius: a non-uniform scale keeps a circle.
    const double radius = std::hypot(radiusEnd.x - origin.x, radiusEnd.y - origin.y);
    const double dxfY = m_walker.m_dHeight - centre.y;
    if (!vx::AllFinite({centre.x, dxfY, radius})) return LeaveOutNonFinite();
    if (radius == 0) return;
    if (fill) {
        const DL_HatchEdgeData edge(centre.x, dxfY, radius, 0, vx::kTwoPi, true);
        WriteCurveFill(edge);
    }
    if (stroke) {
        m_output.WriteCircle(DL_CircleData(centre.x, dxfY, 0, radius),
                          EntityAttributes(m_walker.m_nColor, 0, lineType));
    }
}

void CShapeWriter::WriteCurveFill(const DL_HatchEdgeData& edge) {
    // Circle and ellipse fills do not consult the fill option.
    WriteSingleLoopHatch(EntityAttributes(vx::NearestDxfColor(m_walker.m_crFill), -1, "BYLAYER"), 1.0, 1,
                         [&] { m_output.WriteHatchEdge(edge); });
}
