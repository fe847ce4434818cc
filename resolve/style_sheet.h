#pragma once
// The style sheets of one document: the rules of its <style> elements,
// indexed by the subject compound's id, class or type so that an element
// only tries the rules that could match it.
#include <atomic>
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
    // Compounds tried plus declarations handed out, by all Match calls: a few
    // seconds of matching, some 200 times what a 5 MB map of 56,000 elements
    // under 6,000 rules needs.
    static constexpr uint64_t kWorkBudget = 200'000'000;
    explicit CStyleSheet(uint64_t workBudget = kWorkBudget) : m_workBudget(workBudget) {}

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
    // Matching costs rules times elements times depth at worst, which a hostile
    // document can make years long. Past a budget far beyond any real drawing's
    // need, no rule matches any more: true from then on, for a warning.
    bool Exhausted() const { return m_work.load(std::memory_order_relaxed) >= m_workBudget; }

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
    void KeepMatching(const css::CAncestry& ancestry, std::vector<uint32_t>& rules) const;

    std::vector<CRule> m_rules;  // in source order
    std::deque<CCssDeclaration> m_declarations;
    CIndex m_byId, m_byClass, m_byType;
    std::vector<uint32_t> m_universal;
    uint64_t m_workBudget;
    mutable std::atomic<uint64_t> m_work{0};
};

// A style element (<style>, or <svg:style> with a prefix), whose text is a sheet.
bool IsStyleElement(const CXML& element);

}  // namespace vx
