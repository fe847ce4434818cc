// PLACEHOLDER: replaced by the real implementation.
#include "convert/svg_converter.h"

void CSvgConverter::BeginHatch(const DL_HatchData&, const DL_Attributes&) {}
void CSvgConverter::EndHatch(const DL_HatchData&, const DL_Attributes&) {}
void CSvgConverter::WriteFillLoop(const std::vector<CPointData>&) {}
