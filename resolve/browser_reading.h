#pragma once
// What the browser reading knows before the document opens.
#include <string>
#include <vector>

#include "xml/xml_node.h"

namespace vx {

// Appends the layer name of every group under svg that names one (an Inkscape
// layer by its label, else the group's id), once whatever its letter case.
void CollectLayerTitles(const CXML& svg, std::vector<std::string>& names);

// Every dash pattern the drawing's strokes can resolve to, wherever a
// stroke-dasharray is given (attribute, style attribute, style sheet), and each
// of them turned by each stroke-dashoffset given (a bounded number of them):
// line types must be in the tables before the first entity.
void CollectDashPatterns(const CXML& svg, std::vector<std::string>& patterns);

}  // namespace vx
