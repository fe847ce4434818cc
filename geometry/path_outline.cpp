// PLACEHOLDER: replaced by the real implementation.
#include "convert/svg_converter.h"

int CSvgConverter::ConvertPath(const std::string&, const std::string&, const std::string&, const std::string&, const std::string&) { return 0; }
void CSvgConverter::WritePathOutline(std::vector<CPointData>&, const std::string&) {}
void CSvgConverter::CollectFillSubpath(std::vector<CPointData>&, const std::string&, std::vector<CPolylinedata>&) {}
double CSvgConverter::ScaledStrokeWidth(const CMatrix&, double) const { return 0; }
