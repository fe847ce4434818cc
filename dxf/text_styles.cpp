// The font table: families found by the raw scan become text styles
// "Style-<family>" that text emission refers to by the family.
#include "base/text.h"
#include "dxf/document_tables.h"

namespace {

const std::string& FontKey(const CFontData& record) { return record.family; }

}  // namespace

bool CDocumentTables::AddFontFamily(std::string_view family) {
    if (family.empty()) return false;
    family = vx::TrimView(family);
    if (vx::EqualsNoCase(family, "none")) return false;
    CTableIndex& index = m_fontIndex;
    if (index.Find(m_fonts, FontKey, family) >= 0) return false;
    CFontData record;
    record.family = std::string(family);
    record.styleName = "Style-" + record.family;
    m_fonts.push_back(std::move(record));
    index.Added(family);
    return true;
}

std::string CDocumentTables::LookupStyleName(std::string_view family) const {
    family = vx::TrimView(family);
    if (vx::EqualsNoCase(family, "none")) return {};
    const long position = m_fontIndex.Find(m_fonts, FontKey, family);
    return position < 0 ? std::string() : m_fonts[size_t(position)].styleName;
}
