// PLACEHOLDER: replaced by the real implementation.
#include "convert/svg_converter.h"

void CSvgConverter::CollectLayerNames(CXML*) {}
std::string CSvgConverter::LayerNameFromId(std::string_view) { return {}; }
