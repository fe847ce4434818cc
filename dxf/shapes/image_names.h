#pragma once
// Names of the image files that image elements put into the image folder.
#include <string>
#include <string_view>

namespace vx {

bool StartsWithNoCase(std::string_view text, std::string_view prefix);
// The reference without its "?query" and "#fragment".
std::string_view WithoutQuery(std::string_view reference);
// The last path segment of a web address, without query and fragment: "logo.png"
// for "http://host/a/logo.png?v=2". Empty when the address has no path.
std::string_view UrlFileName(std::string_view url);
// The part after the last '/'.
std::string_view LastSegment(std::string_view path);
// A name that stays inside the folder it is appended to: not empty, not "."
// or "..", no folder separators, no control characters, at most 255 bytes.
bool IsStorableName(std::string_view name);
// "%20" and the like decoded; false for a malformed escape or a decoded zero byte.
bool PercentDecode(std::string_view text, std::string& out);
// The output DXF name without its folder and ".dxf": "plan" for "out/plan.dxf".
std::string DrawingName(std::string_view outputPath);
// A reference as a warning shows it, on one short line: embedded data cut to
// its first few dozen characters, anything else to a few hundred, control
// characters as '?'.
std::string ShortReference(std::string_view reference);
// The file starts like a PNG, JPEG, GIF, BMP or TIFF picture.
bool LooksLikeRasterImage(std::string_view head);

}  // namespace vx
