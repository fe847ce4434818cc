// PLACEHOLDER: replaced by the real implementation.
#include "convert/svg_converter.h"

void CSvgConverter::ScanRawText(std::string_view) {}
