#pragma once
// The paint of one drawable from its computed style: which of fill and stroke
// show, in which DXF colours, how wide the stroke is in drawing units.
#include <string>
#include <string_view>

#include "base/records.h"
#include "resolve/computed_style.h"
#include "resolve/element_access.h"
#include "resolve/resolved_paint.h"
#include "dxf/perceptual_palette.h"

class CXML;

namespace vx {

// toDrawing scales the stroke width; ids resolve url(#gradient) paints;
// colours keeps the drawing's colours apart.
CResolvedPaint ResolvePaint(const CComputedStyle& style, const CMatrix& toDrawing,
                            const CElementIds& ids, CDocumentColours& colours);

// The stroke width in the element's user units; 1 when unreadable.
double StrokeWidthOf(const CComputedStyle& style);

// How much a matrix scales lengths: the square root of its area factor.
double LengthScale(const CMatrix& m);

// The number of an opacity ("0.5", "50%"); 1 when unreadable.
double OpacityOf(std::string_view text);

}  // namespace vx
