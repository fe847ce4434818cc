#include "resolve/browser_reading.h"

#include <unordered_set>

#include "base/text.h"
#include "resolve/browser_walk.h"
#include "resolve/dash_offset.h"
#include "resolve/style_sheet.h"
#include "svg/layer_names.h"

namespace {

constexpr std::string_view kDashArray = "stroke-dasharray";
constexpr std::string_view kDashOffset = "stroke-dashoffset";
// Offsets times patterns: enough for any real drawing; beyond it a stroke keeps
// its pattern unturned.
constexpr size_t kMaxTurnedPatterns = 256;

// The values of every "name: value" declaration in text (a style attribute or sheet).
void AddDeclaredValues(std::string_view text, std::string_view name, std::vector<std::string>& values) {
    for (size_t at = vx::DeclarationStart(text, name); at != std::string_view::npos;
         at = vx::DeclarationStart(text, name, at)) {
        const size_t end = std::min(text.size(), text.find_first_of(";}!<\"'", at));
        const std::string_view value = vx::TrimView(text.substr(at, end - at));
        if (!value.empty()) values.emplace_back(value);
    }
}

// An attribute's own value and the declarations of a style attribute or sheet.
void AddGiven(const CXML& element, std::string_view name, std::vector<std::string>& values) {
    if (const std::string* value = element.FindAttribute(std::string(name)))
        values.emplace_back(vx::TrimView(*value));
    if (const std::string* style = element.FindAttribute("style")) AddDeclaredValues(*style, name, values);
    if (vx::IsStyleElement(element)) AddDeclaredValues(element.m_strText, name, values);
}

}  // namespace

void vx::CollectLayerTitles(const CXML& svg, std::vector<std::string>& names) {
    // DXF layer names ignore case.
    std::unordered_set<std::string> seenLower;
    std::vector<const CXML*> pending{&svg};
    while (!pending.empty()) {
        const CXML* element = pending.back();
        pending.pop_back();
        const bool group = LocalName(element->m_strTag) == "g";
        const std::string* title = group ? LayerTitle(*element) : nullptr;
        std::string name = title ? LayerNameFromId(*title) : std::string();
        if (!name.empty() && seenLower.insert(ToLower(name)).second)
            names.push_back(std::move(name));
        pending.insert(pending.end(), element->Children().rbegin(), element->Children().rend());
    }
}

void vx::CollectDashPatterns(const CXML& svg, std::vector<std::string>& patterns) {
    std::vector<std::string> dashes, offsets;
    std::vector<const CXML*> pending{&svg};
    while (!pending.empty()) {
        const CXML* element = pending.back();
        pending.pop_back();
        AddGiven(*element, kDashArray, dashes);
        AddGiven(*element, kDashOffset, offsets);
        pending.insert(pending.end(), element->Children().rbegin(), element->Children().rend());
    }
    for (const std::string& dash : dashes) patterns.push_back(DashesFromOffset(dash, ""));
    // Stops at the bound: a drawing of many dashes and offsets is not walked pair by pair.
    size_t turned = 0;
    for (size_t i = 0; i < offsets.size() && turned < kMaxTurnedPatterns; ++i)
        for (size_t j = 0; j < dashes.size() && turned < kMaxTurnedPatterns; ++j, ++turned)
            patterns.push_back(DashesFromOffset(dashes[j], offsets[i]));
}
