#include "dxf/document_tables.h"

#include "dxf/table_index.h"

void CDocumentTables::Reset() {
    m_arrLayerNames.clear();
    m_dashes.clear();
    m_fonts.clear();
    m_imageDefs.clear();
    ResetDefinitions();
}

void CDocumentTables::ResetDefinitions() {
    m_markers.clear();
    m_symbols.clear();
}

// Made on first use; the indexes notice on their own when a table was cleared.
CTableIndexes& CDocumentTables::Indexes() const {
    if (!m_pIndexes) m_pIndexes = std::make_shared<CTableIndexes>();
    return *m_pIndexes;
}
