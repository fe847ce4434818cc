// PLACEHOLDER: replaced by the real implementation.
#include "convert/svg_converter.h"

void CSvgConverter::ConvertImage(const std::string&, const std::string&, const std::string&, const std::string&, const std::string&) {}
