// PLACEHOLDER: replaced by the real implementation.
#include "convert/svg_converter.h"

bool CSvgConverter::AddFontFamily(std::string_view) { return false; }
std::string CSvgConverter::LookupStyleName(std::string_view) const { return {}; }
