// PLACEHOLDER: replaced by the real implementation.
#include "convert/svg_converter.h"

int CSvgConverter::NearestDxfColor(uint32_t) { return 0; }
