#pragma once
// stroke-dashoffset for DXF line types, which have no offset: the dash array
// turned so that it starts where the offset says, as its own pattern.
#include <string>
#include <string_view>

namespace vx {

// The dash array ("6 3", "6,3", "5") read from offset on, as an even list of
// lengths that starts with a dash ("4 3 2 0" for "6 3" from 2; a pattern that
// would start in a gap starts with a dash of 0). An odd list is repeated ("5"
// is "5 5"), as a browser repeats it. The array itself when the offset is 0 or
// unreadable and the list even, or the array is "none", unreadable or all zero.
std::string DashesFromOffset(std::string_view dashArray, std::string_view dashOffset);

}  // namespace vx
