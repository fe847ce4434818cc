#pragma once
// Layer names: the id of every group, collected before the DXF tables are
// written, and the one rule that turns an id into a valid DXF layer name.
#include <string>
#include <string_view>
#include <vector>

#include "xml/xml_node.h"

namespace vx {

// The DXF layer name for a group id: trimmed, the characters that DXF table
// names forbid turned into '_'. Empty when the id is blank.
std::string LayerNameFromId(std::string_view id);
// Appends the layer name of every group id under root that names does not
// hold yet in any letter case.
void CollectLayerNames(const CXML& root, std::vector<std::string>& names);

}  // namespace vx
