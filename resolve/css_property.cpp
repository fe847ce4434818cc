#include "resolve/css_property.h"

#include <array>
#include <initializer_list>

#include "base/text.h"
#include "resolve/css_text.h"

namespace vx {

namespace {

constexpr std::array<std::string_view, kCssPropertyCount> kNames = {
    "fill", "fill-opacity", "fill-rule", "stroke", "stroke-width", "stroke-opacity",
    "stroke-dasharray", "stroke-dashoffset", "stroke-linecap", "stroke-linejoin", "opacity", "display", "visibility",
    "color", "font-size", "font-family", "font-weight", "font-style", "text-anchor",
    "marker-start", "marker-mid", "marker-end", "clip-path", "clip-rule", "mask", "filter", "overflow"};

bool IsOneOf(std::string_view value, std::initializer_list<std::string_view> keywords) {
    for (std::string_view keyword : keywords)
        if (EqualsNoCase(value, keyword)) return true;
    return false;
}

bool StartsWithNumber(std::string_view value) {
    size_t used = 0;
    ReadNumber(value, used);
    return used > 0;
}

void AddDeclaration(std::string_view text, std::vector<CCssDeclaration>& out) {
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos) return;
    const std::string_view name = TrimView(text.substr(0, colon));
    std::string_view value = TrimView(text.substr(colon + 1));
    const bool important = TakeImportant(value);
    if (value.empty()) return;
    if (EqualsNoCase(name, "marker")) {
        for (CssProperty p : {CssProperty::MarkerStart, CssProperty::MarkerMid, CssProperty::MarkerEnd})
            out.push_back({p, std::string(value), important});
        return;
    }
    CssProperty property;
    if (CssPropertyNamed(name, property) && IsAcceptedValue(property, value))
        out.push_back({property, std::string(value), important});
}

void AddDeclarations(std::string_view block, std::vector<CCssDeclaration>& out) {
    size_t start = 0;
    while (start < block.size()) {
        size_t end = css::FindTopLevel(block, start, ";");
        if (end == std::string_view::npos) end = block.size();
        AddDeclaration(block.substr(start, end - start), out);
        start = end + 1;
    }
}

}  // namespace

bool TakeImportant(std::string_view& value) {
    const size_t bang = value.rfind('!');
    if (bang == std::string_view::npos || !EqualsNoCase(TrimView(value.substr(bang + 1)), "important"))
        return false;
    value = TrimView(value.substr(0, bang));
    return true;
}

std::string_view CssPropertyName(CssProperty property) { return kNames[static_cast<size_t>(property)]; }

bool CssPropertyNamed(std::string_view name, CssProperty& property) {
    for (size_t i = 0; i < kNames.size(); ++i) {
        if (EqualsNoCase(name, kNames[i])) {
            property = static_cast<CssProperty>(i);
            return true;
        }
    }
    return false;
}

bool IsAcceptedValue(CssProperty property, std::string_view value) {
    if (IsOneOf(value, {"inherit", "initial", "unset"})) return true;
    switch (property) {
    case CssProperty::FillRule:
    case CssProperty::ClipRule: return IsOneOf(value, {"nonzero", "evenodd"});
    case CssProperty::StrokeLinecap: return IsOneOf(value, {"butt", "round", "square"});
    case CssProperty::StrokeLinejoin:
        return IsOneOf(value, {"miter", "round", "bevel", "miter-clip", "arcs"});
    case CssProperty::Visibility: return IsOneOf(value, {"visible", "hidden", "collapse"});
    case CssProperty::Overflow: return IsOneOf(value, {"visible", "hidden", "scroll", "auto", "clip"});
    case CssProperty::TextAnchor: return IsOneOf(value, {"start", "middle", "end"});
    case CssProperty::FillOpacity:
    case CssProperty::StrokeOpacity:
    case CssProperty::Opacity:
    case CssProperty::StrokeWidth:
    case CssProperty::StrokeDashoffset: return StartsWithNumber(value);
    default: return true;
    }
}

void ParseDeclarations(std::string_view block, std::vector<CCssDeclaration>& out) {
    if (!Contains(block, "/*")) return AddDeclarations(block, out);
    AddDeclarations(css::WithoutComments(block), out);
}

}  // namespace vx
