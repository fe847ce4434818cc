#include "resolve/computed_style.h"

#include <charconv>

#include "convert/text.h"
#include "xml/xml_node.h"

namespace vx {

namespace {

using CChosen = std::array<std::string_view, kCssPropertyCount>;

size_t Index(CssProperty p) { return static_cast<size_t>(p); }

bool Inherits(CssProperty p) { return p != CssProperty::Opacity && p != CssProperty::Display; }

void ChoosePresentationAttributes(const CXML& element, CChosen& chosen) {
    for (size_t i = 0; i < kCssPropertyCount; ++i) {
        const auto property = static_cast<CssProperty>(i);
        const std::string* value = element.FindAttribute(CssPropertyName(property));
        if (!value) continue;
        const std::string_view trimmed = TrimView(*value);
        // "!important" makes an attribute's value invalid, not important.
        if (!trimmed.empty() && !Contains(trimmed, "!") && IsAcceptedValue(property, trimmed))
            chosen[i] = trimmed;
    }
}

const CCssDeclaration& Declared(const CCssDeclaration& declaration) { return declaration; }
const CCssDeclaration& Declared(const CCssDeclaration* declaration) { return *declaration; }

// A later declaration of the same importance overrides an earlier one.
template <typename Declarations>
void Choose(const Declarations& declarations, bool important, CChosen& chosen) {
    for (const auto& entry : declarations) {
        const CCssDeclaration& declaration = Declared(entry);
        if (declaration.important == important) chosen[Index(declaration.property)] = declaration.value;
    }
}

double PixelsOf(std::string_view size, bool& ok) {
    size_t used = 0;
    const double number = ReadNumber(size, used);
    const std::string_view unit = size.substr(used);
    ok = used > 0 && (unit.empty() || unit == "px");
    return number;
}

// "2em" or "150%" against the parent's size in pixels; other sizes stay as given.
std::string ResolveFontSize(std::string_view size, std::string_view parentSize) {
    size_t used = 0;
    const double number = ReadNumber(size, used);
    const std::string_view unit = TrimView(size.substr(used));
    bool parentOk = false;
    const double parentPixels = PixelsOf(parentSize, parentOk);
    if (used == 0 || !parentOk || (unit != "%" && !EqualsNoCase(unit, "em"))) return std::string(size);
    const double pixels = Bounded(unit == "%" ? number / 100 * parentPixels : number * parentPixels);
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, pixels).ptr);
}

}  // namespace

CComputedStyle CComputedStyle::Initial() {
    CComputedStyle style;
    const std::array<std::string_view, kCssPropertyCount> initial = {
        "black", "1", "nonzero", "none", "1", "1", "none", "butt", "miter", "1", "inline",
        "visible", "black", "16", "", "normal", "normal", "start", "none", "none", "none"};
    for (size_t i = 0; i < kCssPropertyCount; ++i) style.values[i] = initial[i];
    return style;
}

namespace {

// Whether the property takes the parent's value: asked for, or not set at all
// on an inherited property. "color: currentColor" is the parent's color too.
bool TakesParentValue(CssProperty p, std::string_view chosen) {
    if (EqualsNoCase(chosen, "inherit")) return true;
    if (p == CssProperty::Color && EqualsNoCase(chosen, "currentColor")) return true;
    return Inherits(p) && (chosen.empty() || EqualsNoCase(chosen, "unset"));
}

bool TakesInitialValue(std::string_view chosen) {
    return chosen.empty() || EqualsNoCase(chosen, "initial") || EqualsNoCase(chosen, "unset");
}

CComputedStyle Resolve(const CChosen& chosen, const CComputedStyle& parent) {
    static const CComputedStyle initial = CComputedStyle::Initial();
    CComputedStyle style;
    for (size_t i = 0; i < kCssPropertyCount; ++i) {
        const auto property = static_cast<CssProperty>(i);
        if (TakesParentValue(property, chosen[i])) {
            style.values[i] = parent.values[i];
            style.fromCurrentColor[i] = parent.fromCurrentColor[i];
        } else if (TakesInitialValue(chosen[i])) {
            style.values[i] = initial.values[i];
        } else if (property == CssProperty::FontSize) {
            style.values[i] = ResolveFontSize(chosen[i], parent.Get(CssProperty::FontSize));
        } else {
            style.values[i] = chosen[i];
        }
    }
    for (CssProperty painted : {CssProperty::Fill, CssProperty::Stroke}) {
        const size_t i = Index(painted);
        if (!style.fromCurrentColor[i] && !EqualsNoCase(style.values[i], "currentColor")) continue;
        style.values[i] = style.Get(CssProperty::Color);
        style.fromCurrentColor[i] = true;
    }
    return style;
}

}  // namespace

CComputedStyle ComputeStyle(const CXML& element, const std::vector<const CXML*>& ancestors,
                            const CComputedStyle& parent, const CStyleSheet& sheet) {
    CChosen chosen{};
    ChoosePresentationAttributes(element, chosen);
    std::vector<const CCssDeclaration*> ruled;
    sheet.Match(element, ancestors, ruled);
    std::vector<CCssDeclaration> inlined;
    if (const std::string* style = element.FindAttribute("style")) ParseDeclarations(*style, inlined);
    Choose(ruled, false, chosen);
    Choose(inlined, false, chosen);
    Choose(ruled, true, chosen);
    Choose(inlined, true, chosen);
    return Resolve(chosen, parent);
}

}  // namespace vx
