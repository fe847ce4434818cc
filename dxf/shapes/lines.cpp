#include "base/finite.h"
#include "dxf/shapes/shape_writer.h"

void CShapeWriter::DrawLine(const vx::CClassicLine& line) {
    double ax = line.x1, ay = line.y1, bx = line.x2, by = line.y2;
    MapPoint(line.style, line.transform, ax, ay);
    MapPoint(line.style, line.transform, bx, by);
    // A line of zero length is still written.
    WriteLineEntity(line.style, ax, ay, bx, by);
}

void CShapeWriter::WriteLineEntity(const vx::CClassicStyle& style, double x1, double y1,
                                   double x2, double y2) {
    const double dxfY1 = style.height - y1, dxfY2 = style.height - y2;
    if (!vx::AllFinite({x1, dxfY1, x2, dxfY2})) return LeaveOutNonFinite();
    // A line has no dash array of its own: it keeps the line type last set.
    m_output.WriteLine(DL_LineData(x1, dxfY1, 0, x2, dxfY2, 0), StrokeAttributes(style));
}
