// The browser reading's drawables: outlines and solid fills of subpaths, and
// ellipses, all given in drawing coordinates with their paint resolved.
#include <cmath>

#include "base/finite.h"
#include "convert/svg_converter.h"
#include "dxf/shapes/shape_constants.h"
#include "geometry/ellipse_image.h"
#include "geometry/fill_union.h"
#include "resolve/resolved_paint.h"

namespace {

// The closed loops of a fill: every subpath of three or more points, closed
// implicitly as browsers close them.
std::vector<std::vector<CPointData>> FillLoops(const std::vector<CPolylinedata>& subpaths) {
    std::vector<std::vector<CPointData>> loops;
    for (const CPolylinedata& subpath : subpaths)
        if (subpath.points.size() >= 3) loops.push_back(subpath.points);
    return loops;
}

bool LoopsFinite(const std::vector<std::vector<CPointData>>& loops) {
    for (const auto& loop : loops)
        if (!vx::AllFinite(loop.data(), loop.size())) return false;
    return true;
}

}  // namespace

void CSvgConverter::DrawResolvedPath(std::vector<CPolylinedata>& subpaths,
                                     const vx::CResolvedPaint& paint) {
    if (!m_pWriter) return;
    if (paint.fill && !paint.fillAsOutline) {
        std::vector<std::vector<CPointData>> loops = FillLoops(subpaths);
        if (!LoopsFinite(loops)) {
            LeaveOutNonFinite();
        } else if (!loops.empty()) {
            // CAD programs fill the loops of one hatch by even-odd.
            if (!paint.evenOdd) loops = vx::UniteNonZero(loops);
            const DL_HatchData data(int(loops.size()), true, 1.0, 0.0, "SOLID", 0.0, 0.0);
            const DL_Attributes attributes = EntityAttributes(paint.fillColor, -1, "BYLAYER");
            BeginHatch(data, attributes);
            for (const auto& loop : loops) WriteFillLoop(loop);
            EndHatch(data, attributes);
        }
    }
    const bool outline = paint.stroke || (paint.fill && paint.fillAsOutline);
    if (!outline) return;
    const int color = paint.stroke ? paint.strokeColor : paint.fillColor;
    const DL_Attributes attributes =
        EntityAttributes(color, 0, paint.stroke ? DashLineType(paint.dashArray) : "BYLAYER");
    const double width = paint.stroke ? paint.strokeWidth : 0;
    for (const CPolylinedata& subpath : subpaths)
        if (subpath.points.size() >= 2)
            WriteDxfPolyline(subpath.points, subpath.closed != 0, width, attributes);
}

void CSvgConverter::DrawResolvedEllipse(const vx::CEllipseImage& e,
                                        const vx::CResolvedPaint& paint) {
    if (!m_pWriter) return;
    if (!vx::AllFinite({e.cx, e.cy, e.majorX, e.majorY, e.ratio})) return LeaveOutNonFinite();
    if (paint.fill && !paint.fillAsOutline) {
        const DL_HatchEdgeData edge(e.cx, e.cy, e.majorX, e.majorY, e.ratio, 0, vx::kTwoPi, true);
        WriteSingleLoopHatch(EntityAttributes(paint.fillColor, -1, "BYLAYER"), 1.0, 1,
                             [&] { m_dxf.writeHatchEdge(*m_pWriter, edge); });
    }
    if (!paint.stroke && !(paint.fill && paint.fillAsOutline)) return;
    const int color = paint.stroke ? paint.strokeColor : paint.fillColor;
    const DL_EllipseData data(e.cx, e.cy, 0, e.majorX, e.majorY, 0, e.ratio, 0, vx::kTwoPi);
    m_dxf.writeEllipse(*m_pWriter, data,
                       EntityAttributes(color, 0, paint.stroke ? DashLineType(paint.dashArray)
                                                               : std::string("BYLAYER")));
}
