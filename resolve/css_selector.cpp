#include "resolve/css_selector.h"

#include <algorithm>

#include "base/text.h"
#include "xml/xml_node.h"

namespace vx::css {

namespace {

std::string_view LocalName(std::string_view tag) {
    const size_t colon = tag.rfind(':');
    return colon == std::string_view::npos ? tag : tag.substr(colon + 1);
}

std::vector<std::string_view> ClassList(const std::string* attribute) {
    std::vector<std::string_view> classes;
    if (!attribute) return classes;
    const std::string_view text = *attribute;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsSpace(text[i])) ++i;
        const size_t start = i;
        while (i < text.size() && !IsSpace(text[i])) ++i;
        if (i > start) classes.push_back(text.substr(start, i - start));
    }
    std::sort(classes.begin(), classes.end());
    classes.erase(std::unique(classes.begin(), classes.end()), classes.end());
    return classes;
}

bool AttributeMatches(const CAttributeTest& test, const CXML& element) {
    const std::string* value = element.FindAttribute(test.name);
    return value && (test.anyValue || *value == test.value);
}

// Whether compounds [first, last] match, `first` at `level` and each next one
// at its parent, every link of the chain being a child combinator.
bool ChainMatches(const CSelector& selector, size_t first, size_t last, size_t level,
                  const CAncestry& ancestry) {
    if (level + (last - first) >= ancestry.Levels()) return false;
    for (size_t i = first; i <= last; ++i) {
        ancestry.CountCheck();
        if (!CompoundMatches(selector.compounds[i], ancestry.At(level + i - first))) return false;
    }
    return true;
}

// The last compound of the child-combinator chain that starts at `first`.
size_t ChainEnd(const CSelector& selector, size_t first) {
    size_t last = first;
    while (last + 1 < selector.compounds.size() && selector.compounds[last + 1].parentOfPrevious) ++last;
    return last;
}

}  // namespace

CElementFacts::CElementFacts(const CXML& xml, bool root)
    : element(&xml), localName(LocalName(xml.m_strTag)), classes(ClassList(xml.FindAttribute("class"))),
      isRoot(root) {
    if (const std::string* value = xml.FindAttribute("id")) id = *value;
}

bool CElementFacts::HasClass(std::string_view name) const {
    return std::binary_search(classes.begin(), classes.end(), name);
}

bool CompoundMatches(const CCompound& compound, const CElementFacts& facts) {
    if (compound.root && !facts.isRoot) return false;
    if (!compound.type.empty() && compound.type != facts.localName) return false;
    for (const std::string& id : compound.ids)
        if (id != facts.id) return false;
    for (const std::string& name : compound.classes)
        if (!facts.HasClass(name)) return false;
    for (const CAttributeTest& test : compound.attributes)
        if (!AttributeMatches(test, *facts.element)) return false;
    return true;
}

CAncestry::CAncestry(const CXML& element, const std::vector<const CXML*>& ancestors)
    : m_element(element), m_ancestors(ancestors), m_facts(ancestors.size() + 1) {}

const CElementFacts& CAncestry::At(size_t level) const {
    std::optional<CElementFacts>& facts = m_facts[level];
    if (!facts) {
        const size_t above = m_ancestors.size() - level;  // ancestors above this level
        facts.emplace(level == 0 ? m_element : *m_ancestors[above], above == 0);
    }
    return *facts;
}

// The chains between descendant combinators are matched from the subject up,
// each at the lowest level where it fits: a chain placed lower leaves more
// ancestors to the chains still to place, so no other choice needs trying and
// a selector costs at most its length times the depth.
bool SelectorMatches(const CSelector& selector, const CAncestry& ancestry) {
    size_t last = ChainEnd(selector, 0);
    if (!ChainMatches(selector, 0, last, 0, ancestry)) return false;
    size_t top = last;  // the level of the chain's last compound
    for (size_t first = last + 1; first < selector.compounds.size(); first = last + 1) {
        last = ChainEnd(selector, first);
        size_t level = top + 1;
        while (level < ancestry.Levels() && !ChainMatches(selector, first, last, level, ancestry)) ++level;
        if (level >= ancestry.Levels()) return false;
        top = level + (last - first);
    }
    return true;
}

}  // namespace vx::css
