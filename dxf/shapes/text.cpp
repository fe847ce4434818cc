// PLACEHOLDER: replaced by the real implementation.
#include "convert/svg_converter.h"

void CSvgConverter::ConvertText(const std::string&, const std::string&, const std::string&, const std::string&, const std::string&, const std::string&) {}
