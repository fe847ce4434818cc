#pragma once
// Reading transform texts: matrix(...), translate(...) and scale(...).
#include <string_view>

#include "base/records.h"

namespace vx {

// Reads text into m: the numbers found replace m's components rather than
// multiply with them, and a matrix(...) makes the other functions ignored.
void ReadTransformText(std::string_view text, CMatrix& m);
// The matrix of an element's transform text; false (and the identity) when
// the text is empty.
bool ParseTransform(std::string_view text, CMatrix& matrix);

}  // namespace vx
