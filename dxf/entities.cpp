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
                               double width, const DL_Attributes& attributes, const double* bulges) {
    if (!m_pWriter) return;
    m_vertices.clear();
    m_bulges.clear();
    for (size_t i = 0; i < count; ++i) {
        const double bulge = bulges ? bulges[i] : 0;
        // A repeated vertex goes; the segment from it is the kept one's.
        if (!m_vertices.empty() && SameVertex(points[i], m_vertices.back())) {
            m_bulges.back() = bulge;
            continue;
        }
        m_vertices.push_back(points[i]);
        m_bulges.push_back(bulge);
    }
    if (closed && m_vertices.size() > 1 && SameVertex(m_vertices.back(), m_vertices.front())) {
        m_vertices.pop_back();
        m_bulges.pop_back();
    }
    if (m_vertices.size() < 2) return;
    m_dxf.writePolyline(*m_pWriter, DL_PolylineData(int(m_vertices.size()), 0, 0, closed ? 1 : 0),
                        attributes);
    for (size_t i = 0; i < m_vertices.size(); ++i) {
        const CPointData& p = m_vertices[i];
        if (m_bulges[i] != 0) AddBulgeExtents(p, m_vertices[(i + 1) % m_vertices.size()], m_bulges[i]);
        WriteVertex(p.x, p.y, 0, m_bulges[i], width, width);
    }
    m_dxf.writePolylineEnd(*m_pWriter);
}

// The arc of a bulged segment: its centre lies off the chord's middle by
// (1 - b^2) / (4 b) of the chord, to the left, and it turns 4 atan(b).
void CDxfOutput::AddBulgeExtents(const CPointData& from, const CPointData& to, double bulge) {
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double offset = (1 - bulge * bulge) / (4 * bulge);
    const double cx = (from.x + to.x) / 2 - dy * offset, cy = (from.y + to.y) / 2 + dx * offset;
    const double radius = std::hypot(from.x - cx, from.y - cy);
    const double start = std::atan2(from.y - cy, from.x - cx), sweep = 4 * std::atan(bulge);
    // A clockwise arc (negative bulge) covers the same points as its reverse.
    const double low = sweep > 0 ? start : start + sweep;
    m_extents.AddEllipse(cx, cy, radius, 0, 1, low, low + std::fabs(sweep));
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
    for (const CHatchBoundary::CPolygon& loop : m_boundary.Polygons())
        WritePolyline(loop.points.data(), loop.points.size(), true, 0, attributes, loop.bulges.data());
    m_boundary.Clear();
}
