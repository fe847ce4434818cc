#pragma once
// Drawing coordinates to Clipper's integer paths and back, for the fill union
// and clipping alike.
#include <polyclipping/clipper.hpp>

#include <cstdint>
#include <functional>
#include <vector>

#include "geometry/loops.h"

namespace vx {

bool IsFinitePoint(const CPointData& p);

// Centred on the bounding box of what it was found for, so that its integers
// stay small and keep the most precision there.
struct CIntegerScale {
    double cx = 0, cy = 0, factor = 0;

    ClipperLib::IntPoint ToInt(const CPointData& p) const;
    CPointData ToPoint(const ClipperLib::IntPoint& p) const;
};

// The scale that maps the loops' finite points to about +-1e9, within
// Clipper's fast 64-bit range and fine to 5e-10 of their extent; false when
// they have no extent.
bool FindScale(const CLoops& loops, CIntegerScale& scale);

struct CIntPointHash {
    // Unsigned, so that the mixing wraps instead of overflowing.
    size_t operator()(const ClipperLib::IntPoint& p) const {
        return std::hash<uint64_t>()(uint64_t(p.X) * 0x9E3779B97F4A7C15ULL ^ uint64_t(p.Y));
    }
};

// Finite points only; loops of fewer than minPoints are left out.
ClipperLib::Paths ToPaths(const CLoops& loops, const CIntegerScale& scale, size_t minPoints = 3);
// Loops of three points or more, each with its last point marked closed.
CLoops ToLoops(const ClipperLib::Paths& paths, const CIntegerScale& scale);

}  // namespace vx
