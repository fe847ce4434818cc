#pragma once
// The computed font size. Children inherit the computed size, not "2em", so a
// size relative to the parent's (em, %, larger, smaller) and the size keywords
// become pixels here.
#include <string>
#include <string_view>

namespace vx {

// `size` is the element's specified size, `parentSize` the parent's computed
// one. Absolute sizes (12pt, 5mm) stay as written, and so does a relative size
// whose parent size is no absolute length.
std::string ComputeFontSize(std::string_view size, std::string_view parentSize);

}  // namespace vx
