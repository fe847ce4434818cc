// PLACEHOLDER: replaced by the real implementation.
#include "convert/svg_converter.h"

bool CSvgConverter::AddDashPattern(std::string_view) { return false; }
std::string CSvgConverter::LookupDashName(std::string_view) const { return {}; }
std::vector<double> CSvgConverter::ParseDashPattern(const CDashData&, double&) { return {}; }
