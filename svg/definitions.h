#pragma once
// Marker and symbol definitions: recorded while the walker passes them, looked
// up when a path names a marker or a use names a symbol. Only the simple form
// is understood, a definition whose shape is a direct path child.
#include <string_view>
#include <utility>
#include <vector>

#include "base/records.h"
#include "base/table_index.h"
#include "xml/xml_node.h"

class CDefinitions {
public:
    void Reset();
    // Records a marker, or a symbol, that has an id and a direct path child
    // with path data; other elements leave no record.
    void Collect(const CXML& element);
    void AddMarker(CMarkdata marker) { m_markers.push_back(std::move(marker)); }
    void AddSymbol(CSymble symbol);
    const std::vector<CMarkdata>& Markers() const { return m_markers; }
    const std::vector<CSymble>& Symbols() const { return m_symbols; }
    // The first marker whose id occurs anywhere in the reference: url(#arrow)
    // finds the marker arrow, but also an earlier marker whose id is part of that text.
    const CMarkdata* FindMarker(std::string_view reference) const;
    // The first symbol of exactly this id.
    const CSymble* FindSymbol(std::string_view id) const;

private:
    std::vector<CMarkdata> m_markers;
    std::vector<CSymble> m_symbols;
    mutable CTableIndex m_symbolIndex;
};
