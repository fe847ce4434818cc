// PLACEHOLDER: replaced by the real implementation.
#include "convert/svg_converter.h"

void CSvgConverter::ConvertRoundRect(const std::string&, const std::string&, const std::string&, const std::string&, const std::string&, int, double, double) {}
