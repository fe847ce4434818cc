#include "resolve/style_sheet.h"

#include <algorithm>

#include "base/text.h"
#include "resolve/css_text.h"
#include "xml/xml_node.h"
#include "xml/xml_parser.h"

namespace vx {

namespace {

constexpr size_t npos = std::string_view::npos;

// Blanks and the "<!--" / "-->" a sheet may carry from old HTML habits.
size_t SkipFiller(std::string_view css, size_t pos) {
    for (;;) {
        while (pos < css.size() && IsSpace(css[pos])) ++pos;
        if (css.compare(pos, 4, "<!--") == 0) pos += 4;
        else if (css.compare(pos, 3, "-->") == 0) pos += 3;
        else return pos;
    }
}

// Position after an at-rule starting at `pos`: its ';', or its whole block.
size_t AtRuleEnd(std::string_view css, size_t pos) {
    const size_t end = css::FindTopLevel(css, pos, ";{");
    if (end == npos) return css.size();
    if (css[end] == ';') return end + 1;
    const size_t close = css::BlockClose(css, end);
    return close == npos ? css.size() : close + 1;
}

}  // namespace

bool IsStyleElement(const CXML& element) {
    const std::string_view tag = element.m_strTag;
    return tag == "style" || (tag.size() > 6 && tag.substr(tag.size() - 6) == ":style");
}

void CStyleSheet::Add(std::string_view text) {
    const std::string css = css::WithoutComments(text);
    const std::string_view view = css;
    size_t pos = SkipFiller(view, 0);
    while (pos < view.size()) {
        if (view[pos] == '@') {
            pos = SkipFiller(view, AtRuleEnd(view, pos));
            continue;
        }
        const size_t open = css::FindTopLevel(view, pos, "{");
        if (open == npos) return;  // a selector with no block sets nothing
        const size_t close = css::BlockClose(view, open);
        const size_t end = close == npos ? view.size() : close;
        AddRule(view.substr(pos, open - pos), view.substr(open + 1, end - open - 1));
        pos = SkipFiller(view, close == npos ? view.size() : close + 1);
    }
}

void CStyleSheet::AddStyleElement(const CXML& style) {
    const std::string* type = style.FindAttribute("type");
    if (type && !TrimView(*type).empty() && !EqualsNoCase(TrimView(*type), "text/css")) return;
    Add(DecodeEntities(style.m_strText));
}

void CStyleSheet::AddStyleElements(const CXML& root) {
    // An explicit stack: the tree can be as deep as the reader allows.
    std::vector<const CXML*> pending{&root};
    while (!pending.empty()) {
        const CXML* element = pending.back();
        pending.pop_back();
        if (IsStyleElement(*element)) AddStyleElement(*element);
        const std::vector<CXML*>& children = element->Children();
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
}

void CStyleSheet::AddRule(std::string_view selectors, std::string_view block) {
    std::vector<CCssDeclaration> declarations;
    ParseDeclarations(block, declarations);
    if (declarations.empty()) return;
    const size_t first = m_declarations.size();
    const size_t rulesBefore = m_rules.size();
    for (size_t start = 0; start <= selectors.size();) {
        size_t comma = css::FindTopLevel(selectors, start, ",");
        if (comma == npos) comma = selectors.size();
        CRule rule{{}, first, declarations.size()};
        if (css::ParseSelector(selectors.substr(start, comma - start), rule.selector)) {
            m_rules.push_back(std::move(rule));
            IndexRule(static_cast<uint32_t>(m_rules.size() - 1));
        }
        start = comma + 1;
    }
    if (m_rules.size() == rulesBefore) return;  // no selector to apply them with
    for (CCssDeclaration& declaration : declarations) m_declarations.push_back(std::move(declaration));
}

// Under the subject compound's most telling part: an element then looks up
// only its own id, classes and type.
void CStyleSheet::IndexRule(uint32_t rule) {
    const css::CCompound& subject = m_rules[rule].selector.compounds.front();
    if (!subject.ids.empty()) m_byId[subject.ids.front()].push_back(rule);
    else if (!subject.classes.empty()) m_byClass[subject.classes.front()].push_back(rule);
    else if (!subject.type.empty()) m_byType[subject.type].push_back(rule);
    else m_universal.push_back(rule);
}

void CStyleSheet::Candidates(const css::CElementFacts& facts, std::vector<uint32_t>& out) const {
    std::string key;
    auto take = [&](const CIndex& index, std::string_view name) {
        if (index.empty() || name.empty()) return;
        key.assign(name);
        const auto found = index.find(key);
        if (found != index.end()) out.insert(out.end(), found->second.begin(), found->second.end());
    };
    take(m_byId, facts.id);
    for (std::string_view name : facts.classes) take(m_byClass, name);
    take(m_byType, facts.localName);
    out.insert(out.end(), m_universal.begin(), m_universal.end());
}

// Keeps the rules whose selector matches, sorted into cascade order. Each rule
// is indexed once and the element's keys are distinct, so no rule comes twice.
void CStyleSheet::KeepMatching(const css::CAncestry& ancestry, std::vector<uint32_t>& rules) const {
    const uint64_t spent = m_work.load(std::memory_order_relaxed);
    const auto fails = [&](uint32_t rule) {
        if (spent + ancestry.Checks() >= m_workBudget) return true;
        return !css::SelectorMatches(m_rules[rule].selector, ancestry);
    };
    rules.erase(std::remove_if(rules.begin(), rules.end(), fails), rules.end());
    std::sort(rules.begin(), rules.end(), [&](uint32_t a, uint32_t b) {
        const uint64_t sa = m_rules[a].selector.specificity, sb = m_rules[b].selector.specificity;
        return sa != sb ? sa < sb : a < b;
    });
}

void CStyleSheet::Match(const CXML& element, const std::vector<const CXML*>& ancestors,
                        std::vector<const CCssDeclaration*>& out) const {
    if (Empty() || Exhausted()) return;
    const css::CAncestry ancestry(element, ancestors);
    std::vector<uint32_t> matched;
    Candidates(ancestry.At(0), matched);
    KeepMatching(ancestry, matched);
    const size_t before = out.size();
    for (uint32_t rule : matched) {
        const CRule& r = m_rules[rule];
        for (size_t i = 0; i < r.declarationCount; ++i)
            out.push_back(&m_declarations[r.firstDeclaration + i]);
    }
    m_work.fetch_add(ancestry.Checks() + (out.size() - before), std::memory_order_relaxed);
}

}  // namespace vx
