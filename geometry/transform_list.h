#pragma once
// The transform attribute as a browser reads it: every function of the list,
// composed in order, or nothing at all when any part of the list is invalid.
#include <string_view>

#include "base/records.h"

namespace vx {

// The matrix that maps a point p to outer(inner(p)).
CMatrix Multiply(const CMatrix& outer, const CMatrix& inner);

// matrix(a b c d e f), translate(x [y]), scale(x [y]), rotate(deg [cx cy]),
// skewX(deg) and skewY(deg), separated by blanks and/or commas; the leftmost
// function is the outermost. An empty list is valid (identity). An unknown
// function, a wrong argument count, stray text or a value that is not finite
// returns false with out set to the identity: browsers then ignore the attribute.
bool ParseTransformList(std::string_view text, CMatrix& out);

}  // namespace vx
