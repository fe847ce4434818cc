#include "base/finite.h"
#include "dxf/shapes/shape_writer.h"
#include "dxf/dxf_palette.h"

void CShapeWriter::DrawRect(const vx::CClassicRect& rect) {
    if (rect.rx != 0 && rect.ry != 0) return DrawRoundRect(rect);
    const vx::CClassicStyle& style = rect.style;
    const double left = rect.x, top = rect.y, w = rect.width, h = rect.height;
    // Every corner is mapped, so a turned rectangle stays a turned rectangle.
    CPointData corners[4] = {CPointData(left, top), CPointData(left + w, top),
                             CPointData(left + w, top + h), CPointData(left, top + h)};
    for (CPointData& p : corners) MapPoint(style, rect.transform, p.x, p.y);
    if (!vx::AllFiniteFlipped(corners, 4, style.height)) return LeaveOutNonFinite();
    // Outline and fill alike take the fill colour's number.
    const DL_Attributes attributes = EntityAttributes(
        style.layer, vx::NearestDxfColor(style.fillRgb), 0, std::string(style.lineType));
    if (!rect.filled) {
        WritePolylineEntity(style, corners, 4, true, attributes);
        return;
    }
    WriteSingleLoopHatch(attributes, 100.0, 4, [&] {
        for (int k = 0; k < 4; ++k) {
            const CPointData& a = corners[k];
            const CPointData& b = corners[(k + 1) % 4];
            m_output.WriteHatchEdge(
                DL_HatchEdgeData(a.x, style.height - a.y, b.x, style.height - b.y));
        }
    });
}
