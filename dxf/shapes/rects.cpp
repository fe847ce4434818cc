// PLACEHOLDER: replaced by the real implementation.
#include "convert/svg_converter.h"

void CSvgConverter::ConvertRect(const std::string&, const std::string&, const std::string&, const std::string&, const std::string&, int, const std::string&, const std::string&) {}
