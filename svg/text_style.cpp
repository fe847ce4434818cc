// PLACEHOLDER: replaced by the real implementation.
#include "convert/svg_converter.h"

void CSvgConverter::ParseTextStyle(std::string_view, std::string&, std::string&) {}
