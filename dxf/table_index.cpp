// The converter's indexes of its dash pattern and font tables, made on first use.
#include "dxf/table_index.h"

CSvgConverter::CTableIndexes& CSvgConverter::TableIndexes() const {
    if (!m_pTableIndexes) m_pTableIndexes = std::make_shared<CTableIndexes>();
    return *m_pTableIndexes;
}
