#include <cmath>

#include "dxf/shapes/shape_writer.h"

// A hatch without a boundary loop is rejected by DXF readers, so a frame that
// announces no loop writes nothing at all.
void CShapeWriter::BeginHatch(const DL_HatchData& data, const DL_Attributes& attributes) {
    if (!m_output.m_pWriter || data.numLoops < 1) return;
    m_output.m_dxf.writeHatch1(*m_output.m_pWriter, data, attributes);
}

void CShapeWriter::EndHatch(const DL_HatchData& data, const DL_Attributes& attributes) {
    if (!m_output.m_pWriter || data.numLoops < 1) return;
    m_output.m_dxf.writeHatch2(*m_output.m_pWriter, data, attributes);
}

void CShapeWriter::WriteFillLoop(const std::vector<CPointData>& points) {
    if (!m_output.m_pWriter || points.empty()) return;
    const size_t n = points.size();
    const CPointData& first = points.front();
    const CPointData& last = points.back();
    // A list that returns to its start needs no closing edge.
    const bool closed = std::hypot(last.x - first.x, last.y - first.y) < 0.0001;
    const DL_HatchLoopData loop(int(closed ? n - 1 : n));
    m_output.m_dxf.writeHatchLoop1(*m_output.m_pWriter, loop);
    for (size_t k = 0; k + 1 < n; ++k)
        m_output.m_dxf.writeHatchEdge(*m_output.m_pWriter, DL_HatchEdgeData(points[k].x, points[k].y,
                                                          points[k + 1].x, points[k + 1].y));
    if (!closed)
        m_output.m_dxf.writeHatchEdge(*m_output.m_pWriter, DL_HatchEdgeData(last.x, last.y, first.x, first.y));
    m_output.m_dxf.writeHatchLoop2(*m_output.m_pWriter, loop);
}

void CShapeWriter::WriteSingleLoopHatch(const DL_Attributes& attributes, double patternScale,
                                         int edgeCount,
                                         const std::function<void()>& writeEdges) {
    if (!m_output.m_pWriter) return;
    const DL_HatchData data(1, true, patternScale, 0.0, "SOLID", 0.0, 0.0);
    const DL_HatchLoopData loop(edgeCount);
    BeginHatch(data, attributes);
    m_output.m_dxf.writeHatchLoop1(*m_output.m_pWriter, loop);
    writeEdges();
    m_output.m_dxf.writeHatchLoop2(*m_output.m_pWriter, loop);
    EndHatch(data, attributes);
}
