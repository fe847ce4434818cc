#pragma once
// The tables of one document: the layer names, dash patterns and font families
// that the pre-passes gather for the DXF tables, the marker and symbol
// definitions the walk meets, and the pictures the OBJECTS section defines.
#include <memory>
#include <string>
#include <vector>

#include "base/records.h"

struct CTableIndexes;  // dxf/table_index.h

class CDocumentTables {
public:
    std::vector<std::string> m_arrLayerNames;
    std::vector<CDashData> m_dashes;
    std::vector<CFontData> m_fonts;
    std::vector<CMarkdata> m_markers;
    std::vector<CSymble> m_symbols;
    std::vector<CImageDefData> m_imageDefs;

    // Before each file: every table.
    void Reset();
    // When a document opens: the definitions only, as the pre-passes have
    // filled the others for it.
    void ResetDefinitions();
    // Where each pattern, family and symbol sits, so that adding and looking
    // up stay fast on drawings with many of them.
    CTableIndexes& Indexes() const;

private:
    mutable std::shared_ptr<CTableIndexes> m_pIndexes;
};
