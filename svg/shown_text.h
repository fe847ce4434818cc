#pragma once
// What a text element's character data shows.
#include <string>
#include <string_view>

namespace vx {

// Character data as shown: cut before a closing text or tspan tag it ran on
// into, character references decoded.
std::string ShownText(std::string_view content);

}  // namespace vx
