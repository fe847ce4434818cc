// PLACEHOLDER: replaced by the real implementation.
#include "convert/svg_converter.h"

void CSvgConverter::WalkElement(CXML*, std::string, int) {}
void CSvgConverter::StrokeUpdate(std::string_view) {}
void CSvgConverter::FillUpdate(std::string_view) {}
