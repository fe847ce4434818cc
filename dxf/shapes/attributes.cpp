// PLACEHOLDER: replaced by the real implementation.
#include "convert/svg_converter.h"

void CSvgConverter::SetEntityLayer(DL_Attributes&) const {}
DL_Attributes CSvgConverter::EntityAttributes(int, int, const std::string&) const { return {}; }
std::string CSvgConverter::DashLineType(std::string_view) const { return {}; }
