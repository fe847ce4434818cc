// The DXF file name of an input: its last path segment with the extension
// replaced by ".dxf".
#include "convert/svg_converter.h"

std::string CSvgConverter::DeriveOutputName(std::string_view inputPath) {
    // Both separators count: Linux paths use '/', paths written on Windows '\'.
    const size_t slash = inputPath.find_last_of("/\\");
    std::string_view name = slash == std::string_view::npos ? inputPath : inputPath.substr(slash + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string_view::npos) name = name.substr(0, dot);
    return std::string(name) + ".dxf";
}
