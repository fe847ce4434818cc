// PLACEHOLDER: replaced by the real implementation.
#include "convert/svg_converter.h"

void CSvgConverter::FillUse(const std::string&, const std::string&, const std::string&, const std::string&) {}
void CSvgConverter::SplitSubpaths(const std::vector<CPointData>&, std::vector<CPolylinedata>&) {}
