#include "base/finite.h"
#include "base/text.h"
#include "dxf/shapes/shape_writer.h"
#include "svg/transform_text.h"

void CShapeWriter::ConvertLine(const std::string& transform, const std::string& x1,
                                const std::string& y1, const std::string& x2,
                                const std::string& y2) {
    double ax = vx::LeadingNumber(x1), ay = vx::LeadingNumber(y1);
    double bx = vx::LeadingNumber(x2), by = vx::LeadingNumber(y2);
    CMatrix matrix;
    const bool hasTransform = vx::ParseTransform(transform, matrix);
    MapPoint(hasTransform, matrix, ax, ay);
    MapPoint(hasTransform, matrix, bx, by);
    // A line of zero length is still written.
    WriteLineEntity(ax, ay, bx, by);
}

void CShapeWriter::WriteLineEntity(double x1, double y1, double x2, double y2) {
    if (!m_output.m_pWriter) return;
    const double dxfY1 = m_walker.m_dHeight - y1, dxfY2 = m_walker.m_dHeight - y2;
    if (!vx::AllFinite({x1, dxfY1, x2, dxfY2})) return LeaveOutNonFinite();
    // A line has no dash array of its own: it keeps the line type last set.
    m_output.WriteLine(DL_LineData(x1, dxfY1, 0, x2, dxfY2, 0),
                    EntityAttributes(m_walker.m_nColor, 0, m_walker.m_strLineType));
}
