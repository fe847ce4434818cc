// The dash pattern table: patterns found by the raw scan become line types
// "Dash1", "Dash2", ... that the emitters refer to by their pattern.
#include "convert/text.h"
#include "dxf/table_index.h"

bool CSvgConverter::AddDashPattern(std::string_view pattern) {
    pattern = vx::TrimView(pattern);
    if (pattern.empty() || vx::EqualsNoCase(pattern, "none")) return false;
    CTableIndex& index = TableIndexes().dashes;
    if (index.Find(m_dashes, DashKey, pattern) >= 0) return false;
    m_dashes.emplace_back("Dash" + std::to_string(m_dashes.size() + 1), std::string(pattern));
    index.Added(pattern);
    return true;
}

std::string CSvgConverter::LookupDashName(std::string_view pattern) const {
    pattern = vx::TrimView(pattern);
    if (vx::EqualsNoCase(pattern, "none")) return {};
    const long position = TableIndexes().dashes.Find(m_dashes, DashKey, pattern);
    return position < 0 ? std::string() : m_dashes[size_t(position)].name;
}

std::vector<double> CSvgConverter::ParseDashPattern(const CDashData& record, double& sum) {
    std::vector<double> numbers;
    sum = 0;
    std::string_view rest = record.pattern;
    // Every piece before a space counts, an empty one as 0; the piece after the
    // last space only when there is one.
    for (size_t space = rest.find(' '); space != std::string_view::npos;
         space = rest.find(' ')) {
        numbers.push_back(vx::Bounded(vx::LeadingNumber(rest.substr(0, space))));
        rest.remove_prefix(space + 1);
    }
    if (!rest.empty()) numbers.push_back(vx::Bounded(vx::LeadingNumber(rest)));
    // A line type's lengths must be finite numbers: huge ones are bounded.
    for (double number : numbers) sum = vx::Bounded(sum + number);
    return numbers;
}
