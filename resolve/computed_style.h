#pragma once
// The cascade of the browser reading: for one element, the value of every
// property after presentation attributes, style sheet rules and the style
// attribute have been weighed, with inheritance and initial values resolved.
#include <array>
#include <bitset>
#include <string>
#include <vector>

#include "resolve/css_property.h"
#include "resolve/style_sheet.h"

class CXML;

namespace vx {

struct CComputedStyle {
    // Never empty after ComputeStyle, but for font-family's initial value (none).
    std::array<std::string, kCssPropertyCount> values;
    // The properties (fill, stroke) whose value is the element's color
    // because they were given as currentColor: an element inheriting them
    // takes its own color, as a browser inherits the keyword, not the colour.
    std::bitset<kCssPropertyCount> fromCurrentColor;

    const std::string& Get(CssProperty p) const { return values[static_cast<size_t>(p)]; }
    // fill black, stroke none, stroke-width 1, opacities 1, fill-rule nonzero,
    // display inline, visibility visible, color black, font-size 16,
    // font-family "" (none), font-weight and font-style normal, text-anchor
    // start, markers none, linecap butt, linejoin miter, dasharray none,
    // clip-path none, clip-rule nonzero, mask none, filter none, overflow
    // hidden (CSS starts it visible, but the elements it is read for, markers,
    // are hidden by every browser's own style sheet).
    static CComputedStyle Initial();
};

// Lowest to highest: presentation attributes (never important), sheet rules by
// specificity and order, the style attribute, important sheet declarations,
// important style-attribute declarations. Every property but opacity,
// display, clip-path, mask, filter and overflow inherits; "inherit", "initial" and "unset" work as in CSS. A font
// size in em or % becomes pixels against the parent's, as children inherit
// the computed size.
CComputedStyle ComputeStyle(const CXML& element, const std::vector<const CXML*>& ancestors,
                            const CComputedStyle& parent, const CStyleSheet& sheet);

}  // namespace vx
