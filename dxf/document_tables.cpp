#include "dxf/document_tables.h"

void CDocumentTables::Reset() {
    m_arrLayerNames.clear();
    m_dashes.clear();
    m_fonts.clear();
    m_imageDefs.clear();
}
