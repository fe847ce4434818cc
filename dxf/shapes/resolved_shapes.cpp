// The browser reading's drawables: outlines and solid fills of subpaths, and
// ellipses, all given in drawing coordinates with their paint resolved.
#include <cmath>

#include "base/finite.h"
#include "dxf/shapes/shape_constants.h"
#include "dxf/shapes/shape_writer.h"
#include "geometry/ellipse_image.h"
#include "geometry/fill_union.h"
#include "geometry/loops.h"
#include "resolve/resolved_paint.h"

namespace {

bool LoopsFinite(const vx::CLoops& loops) {
    for (const auto& loop : loops)
        if (!vx::AllFinite(loop.data(), loop.size())) return false;
    return true;
}

bool HatchesFill(const vx::CResolvedPaint& paint) { return paint.fill && !paint.fillAsOutline; }

// The stroke, or a fill drawn as an outline when hatch fills are off.
bool DrawsOutline(const vx::CResolvedPaint& paint) {
    return paint.stroke || (paint.fill && paint.fillAsOutline);
}

DL_Attributes OutlineAttributes(const CShapeWriter& shapes, const vx::CResolvedPaint& paint) {
    if (!paint.stroke) return shapes.EntityAttributes(paint.fillColor, 0, "BYLAYER");
    DL_Attributes attributes =
        shapes.EntityAttributes(paint.strokeColor, 0, shapes.Tables().LineTypeName(paint.dashArray));
    // The line type holds the pattern in the element's units; the entity scales it.
    if (paint.dashScale > 0 && std::isfinite(paint.dashScale)) attributes.setLinetypeScale(paint.dashScale);
    return attributes;
}

}  // namespace

void CShapeWriter::DrawResolvedPath(std::vector<CPolylinedata>& subpaths,
                                     const vx::CResolvedPaint& paint) {
    if (HatchesFill(paint)) {
        vx::CLoops loops = vx::FillLoops(subpaths);
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
    if (!DrawsOutline(paint)) return;
    const DL_Attributes attributes = OutlineAttributes(*this, paint);
    const double width = paint.stroke ? paint.strokeWidth : 0;
    for (const CPolylinedata& subpath : subpaths)
        if (subpath.points.size() >= 2)
            WriteDxfPolyline(subpath.points, subpath.closed != 0, width, attributes);
}

void CShapeWriter::DrawResolvedEllipse(const vx::CEllipseImage& e,
                                        const vx::CResolvedPaint& paint) {
    if (!vx::AllFinite({e.cx, e.cy, e.majorX, e.majorY, e.ratio})) return LeaveOutNonFinite();
    const double ratio = vx::ReadableAxisRatio(e.ratio);
    if (HatchesFill(paint)) {
        const DL_HatchEdgeData edge(e.cx, e.cy, e.majorX, e.majorY, ratio, 0, vx::kTwoPi, true);
        WriteSingleLoopHatch(EntityAttributes(paint.fillColor, -1, "BYLAYER"), 1.0, 1,
                             [&] { m_output.WriteHatchEdge(edge); });
    }
    if (!DrawsOutline(paint)) return;
    const DL_EllipseData data(e.cx, e.cy, 0, e.majorX, e.majorY, 0, ratio, 0, vx::kTwoPi);
    m_output.WriteEllipse(data, OutlineAttributes(*this, paint));
}
