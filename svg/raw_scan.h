#pragma once
// The raw-text pre-scan: line types and text styles must be in the tables
// before the first entity, so every dash array and font family declared in
// the file's text ("stroke-dasharray: 4 2" in a style attribute or sheet) is
// collected before the element walk.
#include <string_view>

#include "dxf/document_tables.h"

namespace vx {

void ScanRawText(CDocumentTables& tables, std::string_view buffer);

}  // namespace vx
