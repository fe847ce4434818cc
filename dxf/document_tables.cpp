#include "dxf/document_tables.h"

#include <algorithm>

void CDocumentTables::Reset() { *this = CDocumentTables(); }

int CDocumentTables::CountLayerEntries() const {
    const bool hasZero =
        std::find(m_layerNames.begin(), m_layerNames.end(), "0") != m_layerNames.end();
    return int(m_layerNames.size()) + (hasZero ? 0 : 1);
}
