#include <algorithm>
#include <cmath>

#include "base/finite.h"
#include "base/text.h"
#include "dxf/shapes/shape_writer.h"
#include "dxf/dxf_palette.h"
#include "svg/transform_text.h"

namespace {

// A radius without a number takes the other one's, as SVG has it, and each is
// at most half its side. A negative radius would make corner arcs with a
// negative axis ratio, which DXF readers reject: the corners take its size.
void CornerRadii(std::string_view rx, std::string_view ry, double w, double h, double& radiusX,
                 double& radiusY) {
    size_t usedX = 0, usedY = 0;
    radiusX = std::fabs(vx::ReadNumber(vx::TrimLeftView(rx), usedX));
    radiusY = std::fabs(vx::ReadNumber(vx::TrimLeftView(ry), usedY));
    if (usedX == 0) radiusX = radiusY;
    if (usedY == 0) radiusY = radiusX;
    radiusX = std::min(radiusX, std::fabs(w) / 2);
    radiusY = std::min(radiusY, std::fabs(h) / 2);
}

}  // namespace

void CShapeWriter::ConvertRect(const std::string& transform, const std::string& x,
                                const std::string& y, const std::string& width,
                                const std::string& height, int filled, const std::string& rx,
                                const std::string& ry) {
    if (!m_output.m_pWriter) return;
    if (!m_settings.fillOption) filled = 0;
    const double left = vx::LeadingNumber(x), top = vx::LeadingNumber(y);
    const double w = vx::LeadingNumber(width), h = vx::LeadingNumber(height);
    double radiusX = 0, radiusY = 0;
    CornerRadii(rx, ry, w, h, radiusX, radiusY);
    if (radiusX != 0 && radiusY != 0) {
        ConvertRoundRect(transform, x, y, width, height, filled, radiusX, radiusY);
        return;
    }
    CMatrix matrix;
    const bool hasTransform = vx::ParseTransform(transform, matrix);
    // Every corner is mapped, so a turned rectangle stays a turned rectangle.
    CPointData corners[4] = {CPointData(left, top), CPointData(left + w, top),
                             CPointData(left + w, top + h), CPointData(left, top + h)};
    for (CPointData& p : corners) MapPoint(hasTransform, matrix, p.x, p.y);
    if (!vx::AllFiniteFlipped(corners, 4, m_walker.m_dHeight)) return LeaveOutNonFinite();
    // Outline and fill alike take the fill colour's number.
    const DL_Attributes attributes = EntityAttributes(vx::NearestDxfColor(m_walker.m_crFill), 0, m_walker.m_strLineType);
    if (!filled) {
        WritePolylineEntity(corners, 4, true, attributes);
        return;
    }
    WriteSingleLoopHatch(attributes, 100.0, 4, [&] {
        for (int k = 0; k < 4; ++k) {
            const CPointData& a = corners[k];
            const CPointData& b = corners[(k + 1) % 4];
            m_output.WriteHatchEdge(DL_HatchEdgeData(a.x, m_walker.m_dHeight - a.y, b.x,
                                                              m_walker.m_dHeight - b.y));
        }
    });
}
