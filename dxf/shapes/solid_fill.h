#pragma once
// The solid hatch of a filled path or symbol: one loop per subpath record.
#include <vector>

#include "dxf/shapes/shape_writer.h"

namespace vx {

// One HATCH in the nearest colour of the style's fill colour, on its layer,
// with a loop for every record of more than two points; nothing when no
// record qualifies.
void WriteSolidFill(CShapeWriter& shapes, const CClassicStyle& style,
                    const std::vector<CPolylinedata>& subpaths);

}  // namespace vx
