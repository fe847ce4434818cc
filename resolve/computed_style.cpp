#include "resolve/computed_style.h"

#include "base/text.h"
#include "resolve/font_size.h"
#include "xml/xml_node.h"
#include "xml/xml_parser.h"

namespace vx {

namespace {

using CChosen = std::array<std::string_view, kCssPropertyCount>;
using CDecoded = std::array<std::string, kCssPropertyCount>;

size_t Index(CssProperty p) { return static_cast<size_t>(p); }

bool Inherits(CssProperty p) {
    return p != CssProperty::Opacity && p != CssProperty::Display && p != CssProperty::ClipPath &&
           p != CssProperty::Mask && p != CssProperty::Filter && p != CssProperty::Overflow;
}

// Attribute values arrive as written: their references are decoded here, as a
// browser reads them (the ';' of "&quot;" must not end a declaration).
std::string_view Decoded(const std::string& value, std::string& store) {
    if (value.find('&') == std::string::npos) return value;
    store = DecodeEntities(value);
    return store;
}

// `decoded` keeps the texts the chosen values point into.
void ChoosePresentationAttributes(const CXML& element, CChosen& chosen, CDecoded& decoded) {
    for (size_t i = 0; i < kCssPropertyCount; ++i) {
        const auto property = static_cast<CssProperty>(i);
        const std::string* value = element.FindAttribute(CssPropertyName(property));
        if (!value) continue;
        std::string_view trimmed = TrimView(Decoded(*value, decoded[i]));
        // "!important" makes an attribute's value invalid, not important.
        if (!trimmed.empty() && !TakeImportant(trimmed) && IsAcceptedValue(property, trimmed))
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
            style.values[i] = ComputeFontSize(chosen[i], parent.Get(CssProperty::FontSize));
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

CComputedStyle CComputedStyle::Initial() {
    CComputedStyle style;
    const std::array<std::string_view, kCssPropertyCount> initial = {
        "black", "1", "nonzero", "none", "1", "1", "none", "0", "butt", "miter", "1", "inline",
        "visible", "black", "16", "", "normal", "normal", "start", "none", "none", "none",
        "none", "nonzero", "none", "none", "hidden"};
    for (size_t i = 0; i < kCssPropertyCount; ++i) style.values[i] = initial[i];
    return style;
}

CComputedStyle ComputeStyle(const CXML& element, const std::vector<const CXML*>& ancestors,
                            const CComputedStyle& parent, const CStyleSheet& sheet) {
    CChosen chosen{};
    CDecoded decoded;
    ChoosePresentationAttributes(element, chosen, decoded);
    std::vector<const CCssDeclaration*> ruled;
    sheet.Match(element, ancestors, ruled);
    std::vector<CCssDeclaration> inlined;
    if (const std::string* style = element.FindAttribute("style")) {
        std::string store;
        ParseDeclarations(Decoded(*style, store), inlined);
    }
    Choose(ruled, false, chosen);
    Choose(inlined, false, chosen);
    Choose(ruled, true, chosen);
    Choose(inlined, true, chosen);
    return Resolve(chosen, parent);
}

}  // namespace vx
