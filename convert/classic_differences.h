#pragma once
// What the classic reading draws differently from a browser: counted once per
// file so that the user hears of the browser reading, while the classic DXF
// stays as it was.
#include <string>

#include "xml/xml_node.h"

// The elements of the tree that use something the classic reading does not
// apply as a browser does: rotate and skew, transform lists of several items,
// style sheets and class, display:none and visibility:hidden (hidden Inkscape
// layers among them), fill and stroke both none, use of anything but a symbol.
long CountClassicDifferences(const CXML& root);
// The warning for count such elements; empty for none.
std::string ClassicDifferencesWarning(long count);
