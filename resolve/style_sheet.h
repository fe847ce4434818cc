#pragma once
// The style sheets of one document: the rules of its <style> elements,
// indexed by the subject compound's id, class or type so that an element
// only tries the rules that could match it.
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "resolve/css_property.h"
#include "resolve/css_selector.h"

class CXML;

namespace vx {

class CStyleSheet {
public:
    // Adds the text of one <style> element. Comments and at-rules (@media,
    // @import, @font-face ... each skipped whole) are left out, selector
    // groups "a, b" split; a selector that cannot be matched drops out alone.
    void Add(std::string_view css);
    // Adds a <style> element's text (character data and CDATA sections, with
    // entities decoded) unless its type names another style language.
    void AddStyleElement(const CXML& style);
    // Adds every <style> element of the document, wherever it stands: a
    // browser applies them all to the whole document.
    void AddStyleElements(const CXML& root);
    bool Empty() const { return m_rules.empty(); }
    // Appends the declarations of every rule matching element, in cascade
    // order: ascending specificity, then source order. ancestors: root first,
    // parent last. The pointers stay valid while the sheet lives.
    void Match(const CXML& element, const std::vector<const CXML*>& ancestors,
               std::vector<const CCssDeclaration*>& out) const;

private:
    struct CRule {
        css::CSelector selector;
        size_t firstDeclaration;
        size_t declarationCount;
    };
    using CIndex = std::unordered_map<std::string, std::vector<uint32_t>>;

    void AddRule(std::string_view selectors, std::string_view block);
    void IndexRule(uint32_t rule);
    void Candidates(const css::CElementFacts& facts, std::vector<uint32_t>& out) const;

    std::vector<CRule> m_rules;  // in source order
    std::deque<CCssDeclaration> m_declarations;
    CIndex m_byId, m_byClass, m_byType;
    std::vector<uint32_t> m_universal;
};

}  // namespace vx
