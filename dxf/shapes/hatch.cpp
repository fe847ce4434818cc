#include <cmath>

#include "dxf/shapes/shape_writer.h"

void CShapeWriter::BeginHatch(const DL_HatchData& data, const DL_Attributes& attributes) {
    m_output.BeginHatch(data, attributes);
}

void CShapeWriter::EndHatch(const DL_HatchData& data, const DL_Attributes& attributes) {
    m_output.EndHatch(data, attributes);
}

// Points in drawing coordinates; a point on the one before it adds no edge.
void CShapeWriter::WriteFillLoop(const std::vector<CPointData>& points) {
    if (points.empty()) return;
    m_loopPoints.clear();
    for (const CPointData& p : points)
        if (m_loopPoints.empty() || !CDxfOutput::SameVertex(p, m_loopPoints.back()))
            m_loopPoints.push_back(p);
    const size_t n = m_loopPoints.size();
    const CPointData& first = m_loopPoints.front();
    const CPointData& last = m_loopPoints.back();
    // A list that returns to its start needs no closing edge.
    const bool closed = n > 1 && std::hypot(last.x - first.x, last.y - first.y) < 0.0001;
    const int edges = int(closed ? n - 1 : n);
    m_output.BeginHatchLoop(edges);
    for (size_t k = 0; k + 1 < n; ++k)
        m_output.WriteHatchEdge(DL_HatchEdgeData(m_loopPoints[k].x, m_loopPoints[k].y,
                                                 m_loopPoints[k + 1].x, m_loopPoints[k + 1].y));
    if (!closed) m_output.WriteHatchEdge(DL_HatchEdgeData(last.x, last.y, first.x, first.y));
    m_output.EndHatchLoop(edges);
}

void CShapeWriter::WriteSingleLoopHatch(const DL_Attributes& attributes, double patternScale,
                                         int edgeCount,
                                         const std::function<void()>& writeEdges) {
    const DL_HatchData data(1, true, patternScale, 0.0, "SOLID", 0.0, 0.0);
    BeginHatch(data, attributes);
    m_output.BeginHatchLoop(edgeCount);
    writeEdges();
    m_output.EndHatchLoop(edgeCount);
    EndHatch(data, attributes);
}
