#pragma once
// Reading what the browser reading needs from elements: attribute texts and
// numbers, references (href or xlink:href) and the elements they name.
#include <string>
#include <string_view>
#include <unordered_map>

class CXML;

namespace vx {

using CElementIds = std::unordered_map<std::string_view, const CXML*>;

// Every element with an id below root (root included); the first of an id wins.
void IndexIds(const CXML& root, CElementIds& ids);

// The attribute's text; empty when it is missing.
const std::string& AttributeText(const CXML& element, std::string_view name);
// The number an attribute starts with; 0 when it is missing or holds none.
double NumberAttribute(const CXML& element, std::string_view name);
// xlink:href, else href.
const std::string& ReferenceOf(const CXML& element);
// The element a "#id" reference names; nullptr for any other text or a missing id.
const CXML* FindReferenced(const CElementIds& ids, std::string_view reference);
// A value of url(#id), url("#id") or url('#id'): the element it names, and in
// rest what follows the closing parenthesis; nullptr for any other value.
const CXML* FindUrlTarget(const CElementIds& ids, std::string_view value, std::string_view* rest = nullptr);

}  // namespace vx
