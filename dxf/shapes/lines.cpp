// PLACEHOLDER: replaced by the real implementation.
#include "convert/svg_converter.h"

void CSvgConverter::ConvertLine(const std::string&, const std::string&, const std::string&, const std::string&, const std::string&) {}
void CSvgConverter::WriteLineEntity(double, double, double, double) {}
