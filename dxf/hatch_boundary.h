#pragma once
// The boundary of the hatch being written, kept edge by edge so that it can
// follow the hatch as paths to cut: a loop of one full circle or ellipse is
// that curve, any other loop one closed polyline through its edges, circular
// arcs as arcs of the polyline (bulges, exact for a cutter), elliptic ones
// flattened.
#include <vector>

#include <dl_entities.h>

#include "base/records.h"

class CHatchBoundary {
public:
    // A loop of one closed curve (a filled circle or ellipse).
    struct CCurve {
        double cx, cy, majorX, majorY, ratio;
    };

    void Clear();
    void StartLoop();
    // Edges come in loop order; counter-clockwise arcs, as the emitters write them.
    void AddEdge(const DL_HatchEdgeData& edge);

    // A closed polyline: each vertex with the bulge of the segment that starts there.
    struct CPolygon {
        std::vector<CPointData> points;
        std::vector<double> bulges;
    };
    const std::vector<CPolygon>& Polygons() const { return m_polygons; }
    const std::vector<CCurve>& Curves() const { return m_curves; }

private:
    void AddArc(double cx, double cy, double majorX, double majorY, double ratio, double start,
                double end);

    std::vector<CPolygon> m_polygons;
    std::vector<CCurve> m_curves;
    bool m_bLoopHasEdges = false;
};
