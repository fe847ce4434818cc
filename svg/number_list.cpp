#include "svg/number_list.h"

#include "base/text.h"

namespace vx {

static bool IsListSeparator(char c) { return IsSpace(c) || c == ',' || c == '(' || c == ')'; }

bool NextListNumber(std::string_view text, size_t& pos, double& value) {
    while (pos < text.size() && IsListSeparator(text[pos])) ++pos;
    size_t used = 0;
    value = ReadNumber(text.substr(pos), used);
    if (used == 0) return false;
    pos += used;
    return true;
}

int ReadNumberList(std::string_view text, double* values, int maxCount, size_t* end) {
    size_t pos = 0;
    size_t afterLast = 0;
    int count = 0;
    while (count < maxCount && NextListNumber(text, pos, values[count])) {
        ++count;
        afterLast = pos;
    }
    if (end) *end = afterLast;
    return count;
}

}  // namespace vx
