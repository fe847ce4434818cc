#pragma once
// The tables of one DXF document: the layer names, dash patterns and font
// families that the pre-passes gather before the first entity, and the
// pictures that the OBJECTS section defines.
#include <string>
#include <string_view>
#include <vector>

#include "base/records.h"
#include "base/table_index.h"

class CDocumentTables {
public:
    void Reset();

    // The names the pre-pass found for the LAYER table, in their order.
    void SetLayerNames(std::vector<std::string> names) { m_layerNames = std::move(names); }
    const std::vector<std::string>& LayerNames() const { return m_layerNames; }
    // Entries of the LAYER table: the names, and "0" first unless they hold it.
    int CountLayerEntries() const;

    // Dash patterns (dxf/line_types.cpp) become line types "Dash1", "Dash2", ...
    // False when the pattern is empty, "none" or already known.
    bool AddDashPattern(std::string_view pattern);
    // The line type of a pattern; empty when it has none.
    std::string LookupDashName(std::string_view pattern) const;
    // The line type an entity with this dash array takes: its entry, else "BYLAYER".
    std::string LineTypeName(std::string_view dashArray) const;
    // The lengths of a pattern and their sum, each bounded to a finite number.
    static std::vector<double> ParseDashPattern(const CDashData& record, double& sum);
    const std::vector<CDashData>& Dashes() const { return m_dashes; }
    // A pattern of fewer than two numbers is no dash pattern: it leaves the
    // table, so no entity refers to a line type that is never written.
    void DropUnusableDashes();

    // Font families (dxf/text_styles.cpp) become text styles "Style-<family>".
    bool AddFontFamily(std::string_view family);
    std::string LookupStyleName(std::string_view family) const;
    const std::vector<CFontData>& Fonts() const { return m_fonts; }

    // The pictures that the OBJECTS section defines, in the order placed.
    void AddPicture(const CImageDefData& picture) { m_pictures.push_back(picture); }
    const std::vector<CImageDefData>& Pictures() const { return m_pictures; }

private:
    std::vector<std::string> m_layerNames;
    std::vector<CDashData> m_dashes;
    std::vector<CFontData> m_fonts;
    std::vector<CImageDefData> m_pictures;
    mutable CTableIndex m_dashIndex;
    mutable CTableIndex m_fontIndex;
};
