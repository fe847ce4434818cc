#pragma once
// Selectors of the style reading: type, .class, #id, *, [attr], [attr=value]
// and :root in compounds, joined by descendant (space) and child (>)
// combinators. Anything else (other pseudo-classes, pseudo-elements, + and ~,
// namespaces, escapes) makes the selector one that never matches.
//
// A type selector is compared, case-sensitively, with the element's local
// name: "rect" matches <rect> and <svg:rect> alike, since a browser reading a
// prefixed SVG element sees an SVG rect and a type selector without a
// namespace matches in every namespace.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CXML;

namespace vx::css {

struct CAttributeTest {
    std::string name;
    std::string value;
    bool anyValue = true;  // [name] rather than [name=value]
};

struct CCompound {
    std::string type;  // empty: any element
    std::vector<std::string> ids;
    std::vector<std::string> classes;
    std::vector<CAttributeTest> attributes;
    bool root = false;
    // Whether the compound before this one (to its right) must match a child
    // of this one's element rather than any descendant.
    bool parentOfPrevious = false;
};

struct CSelector {
    std::vector<CCompound> compounds;  // the subject first, then leftwards
    uint64_t specificity = 0;          // ids, then classes and attributes, then types
};

// False when the text is no selector this reading can match.
bool ParseSelector(std::string_view text, CSelector& out);

// What the matching needs of one element, read once from its attributes.
struct CElementFacts {
    explicit CElementFacts(const CXML& element, bool isRoot);
    bool HasClass(std::string_view name) const;

    const CXML* element;
    std::string_view localName;
    std::string_view id;
    std::vector<std::string_view> classes;  // sorted, without repeats
    bool isRoot;
};

bool CompoundMatches(const CCompound& compound, const CElementFacts& facts);

// An element and its ancestors (root first, parent last), whose facts are read
// only when a selector first asks for them.
class CAncestry {
public:
    CAncestry(const CXML& element, const std::vector<const CXML*>& ancestors);
    size_t Levels() const { return m_facts.size(); }
    // Level 0 is the element, 1 its parent, and so on up to the root.
    const CElementFacts& At(size_t level) const;
    // How many compounds have been tried on these elements: the matching's cost.
    uint64_t Checks() const { return m_checks; }
    void CountCheck() const { ++m_checks; }

private:
    const CXML& m_element;
    const std::vector<const CXML*>& m_ancestors;
    mutable std::vector<std::optional<CElementFacts>> m_facts;
    mutable uint64_t m_checks = 0;
};

bool SelectorMatches(const CSelector& selector, const CAncestry& ancestry);

}  // namespace vx::css
