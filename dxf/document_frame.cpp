// PLACEHOLDER: replaced by the real implementation.
#include "convert/svg_converter.h"

int CSvgConverter::BeginDocument(const std::string&) { return -1; }
int CSvgConverter::BeginDocumentOn(std::unique_ptr<CDxfSink>) { return -1; }
bool CSvgConverter::EndDocument() { return false; }
void CSvgConverter::ResetDocumentState() {}
int CSvgConverter::CountLayerEntries() const { return 0; }
void CSvgConverter::WriteVertex(double, double, double, double, double, double) {}
