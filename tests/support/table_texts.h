#pragma once
// The dash pattern and font tables as text, for comparing in tests.
#include <string>
#include <vector>

#include "dxf/document_tables.h"

namespace vxtest {

using Texts = std::vector<std::string>;

// "Dash1=5 3" per line type.
inline Texts Patterns(const CDocumentTables& tables) {
    Texts out;
    for (const CDashData& d : tables.Dashes()) out.push_back(d.name + "=" + d.pattern);
    return out;
}

// "Style-Arial=Arial" per text style.
inline Texts Families(const CDocumentTables& tables) {
    Texts out;
    for (const CFontData& f : tables.Fonts()) out.push_back(f.styleName + "=" + f.family);
    return out;
}

}  // namespace vxtest
