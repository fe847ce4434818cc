// Layer names: the id of every group, collected before the DXF tables are
// written, and the one rule that turns an id into a valid DXF layer name.
#include "svg/layer_names.h"

#include <unordered_set>

#include "base/text.h"

namespace {

// CAD programs refuse or cut table names longer than this.
constexpr size_t kMaxLayerNameLength = 255;

}  // namespace

std::string vx::LayerNameFromId(std::string_view id) {
    std::string name;
    bool afterWide = false;  // the last character taken was beyond ASCII
    for (const char c : vx::TrimView(id)) {
        if (name.size() == kMaxLayerNameLength) break;
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            // Readers refuse table names with characters beyond ASCII (written as
            // \U+XXXX escapes): one '_' stands for each multi-byte character.
            const bool continuation = (byte & 0xC0) == 0x80;
            if (!(continuation && afterWide)) name.push_back('_');
            afterWide = true;
            continue;
        }
        afterWide = false;
        switch (c) {
            case '<': case '>': case '/': case '\\': case '"': case ':': case ';':
            case '?': case '*': case '|': case '=': case '`': case ',':
                name.push_back('_');  // DXF table names may not hold these
                break;
            default:
                name.push_back(c);
                break;
        }
    }
    // A cut may end on a blank that the id had inside.
    return vx::Trim(name);
}

namespace {

// Groups in any letter case, ids in any letter case: exactly the ids that the
// walker makes layers of. DXF layer names ignore case, so each name once.
void CollectInto(const CXML& element, std::vector<std::string>& names,
                 std::unordered_set<std::string>& seenLower) {
    if (vx::EqualsNoCase(element.m_strTag, "g")) {
        for (const CAttribute& attribute : element.Attributes()) {
            if (!vx::EqualsNoCase(attribute.m_strName, "id")) continue;
            std::string name = vx::LayerNameFromId(attribute.m_strValue);
            if (!name.empty() && seenLower.insert(vx::ToLower(name)).second)
                names.push_back(std::move(name));
        }
    }
    for (const CXML* child : element.Children()) CollectInto(*child, names, seenLower);
}

}  // namespace

void vx::CollectLayerNames(const CXML& root, std::vector<std::string>& names) {
    std::unordered_set<std::string> seen;
    for (const std::string& name : names) seen.insert(vx::ToLower(name));
    CollectInto(root, names, seen);
}
