// PLACEHOLDER: replaced by the real implementation.
#include "convert/svg_converter.h"

void CSvgConverter::CollectDefinition(CXML*) {}
const CMarkdata* CSvgConverter::FindMarker(std::string_view) const { return nullptr; }
const CSymble* CSvgConverter::FindSymbol(std::string_view) const { return nullptr; }
