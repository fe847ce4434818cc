#pragma once
// The properties the browser reading computes, and declaration blocks
// ("fill: red; stroke: #00f !important") read into them.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

enum class CssProperty {
    Fill, FillOpacity, FillRule, Stroke, StrokeWidth, StrokeOpacity, StrokeDasharray, StrokeDashoffset,
    StrokeLinecap, StrokeLinejoin, Opacity, Display, Visibility, Color, FontSize, FontFamily,
    FontWeight, FontStyle, TextAnchor, MarkerStart, MarkerMid, MarkerEnd, ClipPath, ClipRule, Mask,
    Filter, Overflow, Count
};
constexpr size_t kCssPropertyCount = static_cast<size_t>(CssProperty::Count);

struct CCssDeclaration {
    CssProperty property;
    std::string value;
    bool important = false;
};

// The property's name, which is also the name of its presentation attribute.
std::string_view CssPropertyName(CssProperty property);
// The property a declaration names (ASCII case ignored); false for any other name.
bool CssPropertyNamed(std::string_view name, CssProperty& property);

// Whether the value can stand for the property. Only what is cheap to tell is
// checked (the keyword properties, numbers where a number must come); a value
// that fails is dropped as a browser drops it, so a lower level of the cascade
// shows through.
bool IsAcceptedValue(CssProperty property, std::string_view value);

// Takes a trailing "!important" ("! IMPORTANT" too) off the value; true when there was one.
bool TakeImportant(std::string_view& value);

// "fill: red; stroke : #00f !important" -> declarations, in order. Unknown
// properties and unaccepted values are skipped, comments and blanks ignored,
// malformed parts skipped without losing the rest. "marker" sets all three
// marker properties.
void ParseDeclarations(std::string_view block, std::vector<CCssDeclaration>& out);

}  // namespace vx
