// PLACEHOLDER: replaced by the real implementation.
#include "convert/svg_converter.h"

void CSvgConverter::ResetTransforms() {}
void CSvgConverter::PushTransform() {}
void CSvgConverter::PopTransform() {}
void CSvgConverter::ParseGroupTransform(std::string_view) {}
bool CSvgConverter::ParseTransform(std::string_view, CMatrix&) { return false; }
void CSvgConverter::ApplyMatrix(const CMatrix&, double&, double&) {}
void CSvgConverter::ApplyGroupTransforms(double&, double&) const {}
void CSvgConverter::MapPoint(bool, const CMatrix&, double&, double&) const {}
