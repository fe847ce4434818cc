#pragma once
// What the browser reading knows before the document opens.
#include <string>
#include <vector>

#include "xml/xml_node.h"

namespace vx {

// Appends the layer name of every group under svg that names one (an Inkscape
// layer by its label, else the group's id), once whatever its letter case.
void CollectLayerTitles(const CXML& svg, std::vector<std::string>& names);

}  // namespace vx
