// The dash pattern table: patterns found by the raw scan become line types
// "Dash1", "Dash2", ... that the emitters refer to by their pattern.
#include <algorithm>

#include "base/text.h"
#include "dxf/document_tables.h"

namespace {

bool IsDashSeparator(char c) { return c == ',' || vx::IsSpace(c); }

// Any mix of commas and white space separates the lengths of a dash array.
template <class Take>
void ForEachDashPiece(std::string_view pattern, Take take) {
    size_t i = 0;
    for (;;) {
        while (i < pattern.size() && IsDashSeparator(pattern[i])) ++i;
        if (i == pattern.size()) return;
        const size_t start = i;
        while (i < pattern.size() && !IsDashSeparator(pattern[i])) ++i;
        take(pattern.substr(start, i - start));
    }
}

// One spelling per pattern: "4,2", "4, 2" and " 4  2 " are all "4 2", so that
// they make one line type and each finds it.
std::string CanonicalPattern(std::string_view pattern) {
    std::string key;
    key.reserve(pattern.size());
    ForEachDashPiece(pattern, [&](std::string_view piece) {
        if (!key.empty()) key += ' ';
        key += piece;
    });
    return key;
}

const std::string& DashKey(const CDashData& record) { return record.pattern; }

}  // namespace

bool CDocumentTables::AddDashPattern(std::string_view pattern) {
    const std::string key = CanonicalPattern(pattern);
    if (key.empty() || vx::EqualsNoCase(key, "none")) return false;
    CTableIndex& index = m_dashIndex;
    if (index.Find(m_dashes, DashKey, key) >= 0) return false;
    m_dashes.emplace_back("Dash" + std::to_string(m_dashes.size() + 1), key);
    index.Added(key);
    return true;
}

std::string CDocumentTables::LookupDashName(std::string_view pattern) const {
    const std::string key = CanonicalPattern(pattern);
    if (vx::EqualsNoCase(key, "none")) return {};
    const long position = m_dashIndex.Find(m_dashes, DashKey, key);
    return position < 0 ? std::string() : m_dashes[size_t(position)].name;
}

std::string CDocumentTables::LineTypeName(std::string_view dashArray) const {
    std::string name = LookupDashName(vx::TrimView(dashArray));
    return name.empty() ? std::string("BYLAYER") : name;
}

std::vector<double> CDocumentTables::ParseDashPattern(const CDashData& record, double& sum) {
    std::vector<double> numbers;
    sum = 0;
    // A piece without a leading number counts as 0.
    ForEachDashPiece(record.pattern, [&](std::string_view piece) {
        numbers.push_back(vx::Bounded(vx::LeadingNumber(piece)));
    });
    // A line type's lengths must be finite numbers: huge ones are bounded.
    for (double number : numbers) sum = vx::Bounded(sum + number);
    return numbers;
}

void CDocumentTables::DropUnusableDashes() {
    m_dashes.erase(std::remove_if(m_dashes.begin(), m_dashes.end(),
                                  [](const CDashData& record) {
                                      double length = 0;
                                      return ParseDashPattern(record, length).size() < 2;
                                  }),
                   m_dashes.end());
}
