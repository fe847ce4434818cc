// Entities go through the output so that the document's extents grow with
// each one, and a hatch's boundary can follow it.
#include <cmath>

#include "dxf/dxf_output.h"

bool CDxfOutput::SameVertex(const CPointData& a, const CPointData& b) {
    const double tolerance = 1e-9 * std::fmax(1.0, std::fmax(std::fabs(a.x), std::fabs(a.y)));
    return std::fabs(a.x - b.x) <= tolerance && std::fabs(a.y - b.y) <= tolerance;
}

void CDxfOutput::WriteLine(const DL_LineData& line, const DL_Attributes& attributes) {
    if (!m_pWriter) return;
    m_extents.Add(line.x1, line.y1);
    m_extents.Add(line.x2, line.y2);
    m_dxf.writeLine(*m_pWriter, line, attributes);
}

void CDxfOutput::WriteCircle(const DL_CircleData& circle, const DL_Attributes& attributes) {
    if (!m_pWriter) return;
    m_extents.AddEllipse(circle.cx, circle.cy, circle.radius, 0, 1, 0, 0);
    m_dxf.writeCircle(*m_pWriter, circle, attributes);
}

void CDxfOutput::WriteEllipse(const DL_EllipseData& e, const DL_Attributes& attributes) {
    if (!m_pWriter) return;
    m_extents.AddEllipse(e.cx, e.cy, e.mx, e.my, e.ratio, e.angle1, e.angle2);
    m_dxf.writeEllipse(*m_pWriter, e, attributes);
}

void CDxfOutput::WriteText(const DL_TextData& text, const DL_Attributes& attributes) {
    if (!m_pWriter) return;
    m_extents.AddText(text);
    m_dxf.writeText(*m_pWriter, text, attributes);
}

unsigned long CDxfOutput::WriteImage(const DL_ImageData& image, const DL_Attributes& attributes) {
    if (!m_pWriter) return 0;
    m_extents.AddImage(image);
    return m_dxf.writeImage(*m_pWriter, image, attributes);
}

void CDxfOutput::WritePolyline(const CPointData* points, size_t count, bool closed,
                               double width, const DL_Attributes& attributes) {
    if (!m_pWriter) return;
    m_vertices.clear();
    for (size_t i = 0; i < count; ++i)
        if (m_vertices.empty() || !SameVertex(points[i], m_vertices.back()))
            m_vertices.push_back(points[i]);
    if (closed && m_vertices.size() > 1 && SameVertex(m_vertices.back(), m_vertices.front()))
        m_vertices.pop_back();
    if (m_vertices.size() < 2) return;
    m_dxf.writePolyline(*m_pWriter, DL_PolylineData(int(m_vertices.size()), 0, 0, closed ? 1 : 0),
                        attributes);
    for (const CPointData& p : m_vertices) WriteVertex(p.x, p.y, 0, 0, width, width);
    m_dxf.writePolylineEnd(*m_pWriter);
}

void CDxfOutput::WriteVertex(double x, double y, double z, double bulge, double startWidth,
                             double endWidth) {
    if (!m_pWriter) return;
    m_extents.Add(x, y);
    // dxflib's vertex record has no widths, so the groups are written here.
    m_pWriter->dxfVertex(x, y, z, startWidth, endWidth);
    if (std::fabs(bulge) > 1e-10) m_pWriter->dxfReal(42, bulge);
}

void CDxfOutput::BeginHatch(const DL_HatchData& hatch, const DL_Attributes& attributes) {
    if (!m_pWriter || hatch.numLoops < 1) return;
    m_boundary.Clear();
    m_dxf.writeHatch1(*m_pWriter, hatch, attributes);
}

void CDxfOutput::BeginHatchLoop(int edgeCount) {
    if (!m_pWriter) return;
    m_boundary.StartLoop();
    m_dxf.writeHatchLoop1(*m_pWriter, DL_HatchLoopData(edgeCount));
}

void CDxfOutput::WriteHatchEdge(const DL_HatchEdgeData& edge) {
    if (!m_pWriter) return;
    if (edge.type == 1) {
        m_extents.Add(edge.x1, edge.y1);
        m_extents.Add(edge.x2, edge.y2);
    } else {
        const bool circle = edge.type == 2;
        m_extents.AddEllipse(edge.cx, edge.cy, circle ? edge.radius : edge.mx, circle ? 0 : edge.my,
                             circle ? 1 : edge.ratio, edge.angle1, edge.angle2);
    }
    if (m_bHatchBoundaries) m_boundary.AddEdge(edge);
    m_dxf.writeHatchEdge(*m_pWriter, edge);
}

void CDxfOutput::EndHatchLoop(int edgeCount) {
    if (!m_pWriter) return;
    m_dxf.writeHatchLoop2(*m_pWriter, DL_HatchLoopData(edgeCount));
}

void CDxfOutput::EndHatch(const DL_HatchData& hatch, const DL_Attributes& attributes) {
    if (!m_pWriter || hatch.numLoops < 1) return;
    m_dxf.writeHatch2(*m_pWriter, hatch, attributes);
    if (!m_bHatchBoundaries) return;
    for (const CHatchBoundary::CCurve& c : m_boundary.Curves()) {
        if (c.ratio == 1 && c.majorY == 0)
            WriteCircle(DL_CircleData(c.cx, c.cy, 0, c.majorX), attributes);
        else
            WriteEllipse(DL_EllipseData(c.cx, c.cy, 0, c.majorX, c.majorY, 0, c.ratio, 0, 2 * M_PI),
                         attributes);
    }
    for (const std::vector<CPointData>& loop : m_boundary.Polygons())
        WritePolyline(loop.data(), loop.size(), true, 0, attributes);
    m_boundary.Clear();
}
