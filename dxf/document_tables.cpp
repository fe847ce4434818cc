#include "dxf/document_tables.h"

#include <algorithm>

void CDocumentTables::Reset() {
    m_arrLayerNames.clear();
    m_dashes.clear();
    m_fonts.clear();
    m_imageDefs.clear();
}

int CDocumentTables::CountLayerEntries() const {
    const bool hasZero =
        std::find(m_arrLayerNames.begin(), m_arrLayerNames.end(), "0") != m_arrLayerNames.end();
    return int(m_arrLayerNames.size()) + (hasZero ? 0 : 1);
}
