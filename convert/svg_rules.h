#pragma once

// How the SVG is read. Classic: drawing state carried from element to element
// in document order, no style sheets, matrix/translate/scale transforms.
// Browser: what a browser computes for each element (cascade, inheritance, the
// whole transform list, use of any element, units), drawn with the same emitters.
enum class SvgRules { Classic, Browser };
