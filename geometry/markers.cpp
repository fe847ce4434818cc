// PLACEHOLDER: replaced by the real implementation.
#include "convert/svg_converter.h"

void CSvgConverter::DrawPathMarker(const std::string&, bool, const CPointData&, const CPointData&) {}
void CSvgConverter::WriteMarkerOutline(const CMarkdata&, const CPointData&, const CPointData&, bool) {}
