#include "svg/points_list.h"

#include "base/text.h"

namespace vx {

namespace {

// Skips the separator before a number: white space with at most one comma in it.
// The first number of the list may only be preceded by white space.
size_t SkipSeparator(std::string_view text, size_t pos, bool allowComma) {
    while (pos < text.size() && IsSpace(text[pos])) ++pos;
    if (allowComma && pos < text.size() && text[pos] == ',') {
        ++pos;
        while (pos < text.size() && IsSpace(text[pos])) ++pos;
    }
    return pos;
}

}  // namespace

void ReadPointsList(std::string_view text, std::vector<CPointData>& points) {
    points.clear();
    size_t pos = 0;
    double pending = 0;
    bool havePending = false;
    for (bool first = true;; first = false) {
        pos = SkipSeparator(text, pos, !first);
        size_t used = 0;
        const double value = ReadNumber(text.substr(pos), used);
        if (used == 0) break;
        pos += used;
        if (havePending)
            points.emplace_back(pending, value);
        else
            pending = value;
        havePending = !havePending;
    }
}

}  // namespace vx
