#pragma once
// Clipper hands back the pieces of cut lines in either direction, with their
// points on its integer grid. The pieces are put back as they were drawn:
// in the direction of their line, with the line's own vertices.
#include <polyclipping/clipper.hpp>

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "geometry/clip_region.h"
#include "geometry/clipper_paths.h"

namespace vx {

class CLinePieces {
public:
    // rings: the lines as Clipper cuts them, a closed one ending at its first point.
    CLinePieces(const CLoops& rings, const CIntegerScale& scale);
    // The lines' finite points on the grid, for Clipper.
    const ClipperLib::Paths& Paths() const { return m_paths; }
    // The piece in its line's direction, with the line's vertices where it has them.
    CPolylinedata Restore(const ClipperLib::Path& piece, CClipBudget& budget) const;

private:
    struct CVertex {
        uint32_t line, index;
    };

    bool Forward(const ClipperLib::Path& piece, CClipBudget& budget) const;
    bool RunsForward(CVertex at, const ClipperLib::IntPoint& next) const;
    bool SegmentForward(const ClipperLib::Path& piece, CClipBudget& budget) const;

    CIntegerScale m_scale;
    ClipperLib::Paths m_paths;
    std::vector<std::vector<CPointData>> m_points;  // m_paths' points as drawn
    std::unordered_map<ClipperLib::IntPoint, CVertex, CIntPointHash> m_vertices;
    size_t m_segments = 0;
};

}  // namespace vx
