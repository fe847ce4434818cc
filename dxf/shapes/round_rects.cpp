#include <array>
#include <cmath>
#include <initializer_list>

#include "base/finite.h"
#include "dxf/shapes/shape_constants.h"
#include "dxf/shapes/shape_writer.h"
#include "dxf/dxf_palette.h"

namespace {

enum Corner { kTopRight, kBottomRight, kBottomLeft, kTopLeft };

// One side of a rounded rectangle and the quarter ellipse that follows it.
struct CCornerPiece {
    CPointData sideStart, sideEnd, centre, axisEnd;
    double ratio = 1, startAngle = 0, endAngle = 0;
};

struct CRoundRect {
    double x, y, w, h, rx, ry;

    CPointData Centre(Corner corner) const {
        const bool right = corner == kTopRight || corner == kBottomRight;
        const bool bottom = corner == kBottomRight || corner == kBottomLeft;
        return CPointData(right ? x + w - rx : x + rx, bottom ? y + h - ry : y + ry);
    }

    // The corner arc after a side. With rx < ry the major axis points up in DXF,
    // which moves every parameter range back by a quarter turn.
    CCornerPiece Piece(CPointData sideStart, CPointData sideEnd, Corner corner) const {
        static const double kRanges[2][4][2] = {
            {{0, vx::kHalfPi}, {vx::kThreeHalfPi, vx::kTwoPi}, {vx::kPi, vx::kThreeHalfPi},
             {vx::kHalfPi, vx::kPi}},
            {{vx::kThreeHalfPi, vx::kTwoPi}, {vx::kPi, vx::kThreeHalfPi}, {vx::kHalfPi, vx::kPi},
             {0, vx::kHalfPi}}};
        const bool alongX = rx >= ry;
        CCornerPiece piece;
        piece.sideStart = sideStart;
        piece.sideEnd = sideEnd;
        piece.centre = Centre(corner);
        piece.axisEnd = alongX ? CPointData(piece.centre.x + rx, piece.centre.y)
                               : CPointData(piece.centre.x, piece.centre.y - ry);
        piece.ratio = vx::ReadableAxisRatio(alongX ? ry / rx : rx / ry);
        piece.startAngle = kRanges[alongX ? 0 : 1][corner][0];
        piece.endAngle = kRanges[alongX ? 0 : 1][corner][1];
        return piece;
    }

    // Counter-clockwise in DXF, as a hatch boundary runs.
    std::array<CCornerPiece, 4> BoundaryPieces() const {
        return {Piece({x, y + ry}, {x, y + h - ry}, kBottomLeft),
                Piece({x + rx, y + h}, {x + w - rx, y + h}, kBottomRight),
                Piece({x + w, y + h - ry}, {x + w, y + ry}, kTopRight),
                Piece({x + w - rx, y}, {x + rx, y}, kTopLeft)};
    }

    // Clockwise in DXF, from the top side on.
    std::array<CCornerPiece, 4> OutlinePieces() const {
        return {Piece({x + rx, y}, {x + w - rx, y}, kTopRight),
                Piece({x + w, y + ry}, {x + w, y + h - ry}, kBottomRight),
                Piece({x + w - rx, y + h}, {x + rx, y + h}, kBottomLeft),
                Piece({x, y + h - ry}, {x, y + ry}, kTopLeft)};
    }
};

void MapCornerPoints(const vx::CClassicRect& rect, std::initializer_list<CPointData*> points) {
    for (CPointData* p : points) CShapeWriter::MapPoint(rect.style, rect.transform, p->x, p->y);
}

// Whether every edge of the boundary can be written: the hatch is one entity,
// so a single value that is not finite leaves all of it out.
bool BoundaryIsFinite(const vx::CClassicRect& rect, const std::array<CCornerPiece, 4>& pieces) {
    for (CCornerPiece p : pieces) {
        MapCornerPoints(rect, {&p.sideStart, &p.sideEnd, &p.centre, &p.axisEnd});
        const CPointData points[] = {p.sideStart, p.sideEnd, p.centre, p.axisEnd};
        if (!vx::AllFiniteFlipped(points, 4, rect.style.height) || !std::isfinite(p.ratio) ||
            !vx::AllFinite({p.axisEnd.x - p.centre.x, p.centre.y - p.axisEnd.y}))
            return false;
    }
    return true;
}

}  // namespace

void CShapeWriter::DrawRoundRect(const vx::CClassicRect& r) {
    const vx::CClassicStyle& style = r.style;
    const CRoundRect rect{r.x, r.y, r.width, r.height, r.rx, r.ry};
    if (!r.filled) {
        // Sides and arcs take the stroke colour, unlike a plain rectangle's outline.
        for (CCornerPiece p : rect.OutlinePieces()) {
            MapCornerPoints(r, {&p.sideStart, &p.sideEnd, &p.centre, &p.axisEnd});
            WriteLineEntity(style, p.sideStart.x, p.sideStart.y, p.sideEnd.x, p.sideEnd.y);
            WriteEllipseEntity(style, p.centre.x, p.centre.y, p.axisEnd.x, p.axisEnd.y, p.ratio,
                               p.startAngle, p.endAngle);
        }
        return;
    }
    if (!BoundaryIsFinite(r, rect.BoundaryPieces())) return LeaveOutNonFinite();
    const DL_Attributes attributes = EntityAttributes(
        style.layer, vx::NearestDxfColor(style.fillRgb), 0, std::string(style.lineType));
    WriteSingleLoopHatch(attributes, 100.0, 8, [&] {
        for (CCornerPiece p : rect.BoundaryPieces()) {
            MapCornerPoints(r, {&p.sideStart, &p.sideEnd, &p.centre, &p.axisEnd});
            const double h = style.height;
            m_output.WriteHatchEdge(
                DL_HatchEdgeData(p.sideStart.x, h - p.sideStart.y, p.sideEnd.x, h - p.sideEnd.y));
            m_output.WriteHatchEdge(DL_HatchEdgeData(p.centre.x, h - p.centre.y,
                                                     p.axisEnd.x - p.centre.x,
                                                     p.centre.y - p.axisEnd.y, p.ratio,
                                                     p.startAngle, p.endAngle, true));
        }
    });
}
