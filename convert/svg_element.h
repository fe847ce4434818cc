#pragma once
// What makes a parsed document an SVG drawing: an svg element somewhere in it.
#include "xml/xml_node.h"

namespace vx {

// True when the tree holds an element named "svg" in any letter case, bare or
// with a namespace prefix ("svg:svg"). Usually the root is one, so this is cheap.
bool HoldsSvgElement(const CXML& root);
// The first such element in document order, the outermost; nullptr when none.
const CXML* FindSvgElement(const CXML& root);

}  // namespace vx
