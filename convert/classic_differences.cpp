#include "convert/classic_differences.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace {

// "display : none" in a style as "display:none": blanks never matter there.
std::string WithoutBlanks(std::string_view text) {
    std::string packed;
    packed.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') packed += c;
    return packed;
}

// The value of a presentation property, from the attribute or the style; "" when unset.
std::string_view Property(const CXML& element, const std::string& packedStyle, std::string_view name) {
    const std::string_view style(packedStyle);
    for (size_t at = style.find(name); at != style.npos; at = style.find(name, at + 1)) {
        const size_t colon = at + name.size();
        if ((at == 0 || style[at - 1] == ';') && colon < style.size() && style[colon] == ':') {
            const std::string_view rest = style.substr(colon + 1);
            return rest.substr(0, rest.find_first_of(";!"));
        }
    }
    const std::string* attribute = element.FindAttribute(name);
    return attribute ? std::string_view(*attribute) : std::string_view();
}

bool IsBlank(std::string_view value) {
    return value.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

bool TransformDiffers(const CXML& element) {
    const std::string* transform = element.FindAttribute("transform");
    if (!transform) return false;
    if (transform->find("rotate") != std::string::npos || transform->find("skew") != std::string::npos)
        return true;
    return std::count(transform->begin(), transform->end(), '(') > 1;
}

bool StyleDiffers(const CXML& element) {
    if (element.m_strTag == "style" || element.FindAttribute("class")) return true;
    const std::string* style = element.FindAttribute("style");
    const std::string packed = style ? WithoutBlanks(*style) : std::string();
    if (Property(element, packed, "display") == "none") return true;
    if (Property(element, packed, "visibility") == "hidden") return true;
    return Property(element, packed, "fill") == "none" && Property(element, packed, "stroke") == "none";
}

// "#id" of a use's reference, either spelling; empty when it names nothing here.
std::string_view UseTarget(const CXML& element) {
    const std::string* href = element.FindAttribute("xlink:href");
    if (!href) href = element.FindAttribute("href");
    if (!href || href->empty() || (*href)[0] != '#') return {};
    return std::string_view(*href).substr(1);
}

}  // namespace

long CountClassicDifferences(const CXML& root) {
    long count = 0;
    std::unordered_set<std::string_view> symbols;
    std::vector<std::string_view> useTargets;
    std::vector<const CXML*> open{&root};
    while (!open.empty()) {
        const CXML& element = *open.back();
        open.pop_back();
        const std::string* id = element.FindAttribute("id");
        if (id && element.m_strTag == "symbol") symbols.insert(*id);
        if (TransformDiffers(element) || StyleDiffers(element))
            ++count;
        else if (element.m_strTag == "use" && !IsBlank(UseTarget(element)))
            useTargets.push_back(UseTarget(element));
        open.insert(open.end(), element.Children().begin(), element.Children().end());
    }
    // Uses are weighed once every symbol is known: a use may come before its symbol.
    for (std::string_view target : useTargets)
        if (!symbols.count(target)) ++count;
    return count;
}

std::string ClassicDifferencesWarning(long count) {
    if (count <= 0) return {};
    return std::to_string(count) + (count == 1 ? " element uses" : " elements use") +
           " rotations, style sheets or hidden layers that the classic reading does not apply; "
           "--svg-rules=browser reads them as a browser does";
}
