#include <cmath>

#include "convert/svg_converter.h"
#include "convert/text.h"
#include "geometry/finite.h"

void CSvgConverter::ConvertRect(const std::string& transform, const std::string& x,
                                const std::string& y, const std::string& width,
                                const std::string& height, int filled, const std::string& rx,
                                const std::string& ry) {
    if (!m_pWriter) return;
    if (!m_bFillOption) filled = 0;
    // A missing ry is 0 and does not take rx: such a rectangle keeps square corners.
    const double radiusX = vx::LeadingNumber(rx), radiusY = vx::LeadingNumber(ry);
    if (radiusX != 0 && radiusY != 0) {
        // A negative radius would make corner arcs with a negative axis ratio,
        // which DXF readers reject: the corners take the radii's size.
        ConvertRoundRect(transform, x, y, width, height, filled, std::fabs(radiusX),
                         std::fabs(radiusY));
        return;
    }
    const double left = vx::LeadingNumber(x), top = vx::LeadingNumber(y);
    const double w = vx::LeadingNumber(width), h = vx::LeadingNumber(height);
    CMatrix matrix;
    const bool hasTransform = ParseTransform(transform, matrix);
    // Every corner is mapped, so a turned rectangle stays a turned rectangle.
    CPointData corners[4] = {CPointData(left, top), CPointData(left + w, top),
                             CPointData(left + w, top + h), CPointData(left, top + h)};
    for (CPointData& p : corners) MapPoint(hasTransform, matrix, p.x, p.y);
    if (!vx::AllFiniteFlipped(corners, 4, m_dHeight)) return LeaveOutNonFinite();
    // Outline and fill alike take the fill colour's number.
    const DL_Attributes attributes = EntityAttributes(NearestDxfColor(m_crFill), 0, m_strLineType);
    if (!filled) {
        WritePolylineEntity(corners, 4, true, attributes);
        return;
    }
    WriteSingleLoopHatch(attributes, 100.0, 4, [&] {
        for (int k = 0; k < 4; ++k) {
            const CPointData& a = corners[k];
            const CPointData& b = corners[(k + 1) % 4];
            m_dxf.writeHatchEdge(*m_pWriter, DL_HatchEdgeData(a.x, m_dHeight - a.y, b.x,
                                                              m_dHeight - b.y));
        }
    });
}
