#include "xml/xml_node.h"

#include <algorithm>

namespace {

bool NameBefore(const CAttribute& a, const CAttribute& b) { return a.m_strName < b.m_strName; }

// Few attributes per element is the rule: an insertion sort there needs no
// scratch buffer, while a hostile tag with thousands still sorts in n log n.
constexpr size_t kInsertionSortLimit = 32;

void StableSortByName(std::vector<CAttribute>& list) {
    if (std::is_sorted(list.begin(), list.end(), NameBefore)) return;
    if (list.size() > kInsertionSortLimit) {
        std::stable_sort(list.begin(), list.end(), NameBefore);
        return;
    }
    for (auto next = list.begin() + 1; next != list.end(); ++next) {
        auto place = std::upper_bound(list.begin(), next, *next, NameBefore);
        std::rotate(place, next, next + 1);
    }
}

}  // namespace

CXML::~CXML() {
    if (m_pParent) m_pParent->RemoveChild(this);
    Clear();
}

void CXML::Clear() {
    m_attributes.clear();
    while (!m_children.empty()) {
        CXML* child = m_children.back();
        m_children.pop_back();
        // Already out of the list: its destructor must not search for itself.
        child->m_pParent = nullptr;
        delete child;
    }
    m_strText.clear();
    m_posAttribute = 0;
    m_posChild = 0;
}

void CXML::AddChild(CXML* child) {
    if (!child) return;
    if (child->m_strTag.empty()) child->m_strTag = "Unknown";
    if (child->m_pParent) child->m_pParent->RemoveChild(child);
    m_children.push_back(child);
    child->m_pParent = this;
}

void CXML::RemoveChild(CXML* child) {
    auto found = std::find(m_children.begin(), m_children.end(), child);
    if (found == m_children.end()) return;
    m_children.erase(found);
    child->m_pParent = nullptr;
}

void CXML::AddAttribute(std::string name, std::string value) {
    CAttribute probe(std::move(name), std::move(value));
    auto place = std::lower_bound(m_attributes.begin(), m_attributes.end(), probe, NameBefore);
    if (place != m_attributes.end() && place->m_strName == probe.m_strName) {
        place->m_strValue = std::move(probe.m_strValue);
        return;
    }
    m_attributes.insert(place, std::move(probe));
}

void CXML::SortAttributes() {
    StableSortByName(m_attributes);
    // Equal names now stand together in file order; the last of each run wins.
    size_t kept = 0;
    for (size_t i = 0; i < m_attributes.size(); ++i) {
        const bool repeatedLater = i + 1 < m_attributes.size() &&
                                   m_attributes[i + 1].m_strName == m_attributes[i].m_strName;
        if (repeatedLater) continue;
        if (kept != i) m_attributes[kept] = std::move(m_attributes[i]);
        ++kept;
    }
    m_attributes.erase(m_attributes.begin() + kept, m_attributes.end());
}

CAttribute* CXML::GetFirstAttribute() {
    m_posAttribute = 0;
    return GetNextAttribute();
}

CAttribute* CXML::GetNextAttribute() {
    if (m_posAttribute >= m_attributes.size()) return nullptr;
    return &m_attributes[m_posAttribute++];
}

CXML* CXML::GetFirstChild() {
    m_posChild = 0;
    return GetNextChild();
}

CXML* CXML::GetNextChild() {
    if (m_posChild >= m_children.size()) return nullptr;
    return m_children[m_posChild++];
}

const std::string* CXML::FindAttribute(std::string_view name) const {
    auto place = std::lower_bound(
        m_attributes.begin(), m_attributes.end(), name,
        [](const CAttribute& a, std::string_view n) { return std::string_view(a.m_strName) < n; });
    if (place == m_attributes.end() || place->m_strName != name) return nullptr;
    return &place->m_strValue;
}
