// PLACEHOLDER: replaced by the real implementation.
#include "convert/svg_converter.h"

void CSvgConverter::ConvertUse(const std::string&, const std::string&, const std::string&, const std::string&) {}
