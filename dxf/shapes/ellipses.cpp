// PLACEHOLDER: replaced by the real implementation.
#include "convert/svg_converter.h"

void CSvgConverter::ConvertEllipse(int, const std::string&, const std::string&, const std::string&, const std::string&, const std::string&, const std::string&, int) {}
void CSvgConverter::WriteEllipseEntity(double, double, double, double, double, double, double) {}
