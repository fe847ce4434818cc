#include "resolve/dash_offset.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "base/text.h"

namespace vx {

namespace {

// Lengths separated by commas and white space, each a number with an optional
// "px"; false for anything else or a negative length (which a browser refuses).
bool ReadLengths(std::string_view text, std::vector<double>& lengths) {
    size_t at = 0;
    for (;;) {
        while (at < text.size() && (text[at] == ',' || IsSpace(text[at]))) ++at;
        if (at == text.size()) return !lengths.empty();
        size_t used = 0;
        const double value = ReadNumber(text.substr(at), used);
        if (used == 0 || !std::isfinite(value) || value < 0) return false;
        at += used;
        if (text.substr(at, 2) == "px") at += 2;
        lengths.push_back(value);
    }
}

bool ReadOffset(std::string_view text, double& offset) {
    text = TrimView(text);
    size_t used = 0;
    offset = ReadNumber(text, used);
    const std::string_view unit = text.substr(used);
    return used > 0 && std::isfinite(offset) && (unit.empty() || unit == "px");
}

std::string Joined(const std::vector<double>& lengths) {
    std::string text;
    for (double length : lengths) {
        char number[32];
        std::snprintf(number, sizeof number, "%s%.10g", text.empty() ? "" : " ", length);
        text += number;
    }
    return text;
}

}  // namespace

std::string DashesFromOffset(std::string_view dashArray, std::string_view dashOffset) {
    std::vector<double> lengths;
    if (!ReadLengths(dashArray, lengths)) return std::string(dashArray);
    // An odd list is repeated to make dashes and gaps alternate.
    const bool odd = lengths.size() % 2;
    if (odd) lengths.insert(lengths.end(), lengths.begin(), lengths.end());
    double period = 0, offset = 0;
    for (double length : lengths) period += length;
    if (!(period > 0) || !std::isfinite(period)) return std::string(dashArray);
    if (!ReadOffset(dashOffset, offset) || offset == 0)
        return odd ? Joined(lengths) : std::string(dashArray);
    offset = std::fmod(offset, period);
    if (offset < 0) offset += period;
    size_t first = 0;
    while (first + 1 < lengths.size() && offset >= lengths[first]) offset -= lengths[first++];
    // From the rest of the length the offset falls in, round to its part before the offset.
    std::vector<double> turned;
    if (first % 2) turned.push_back(0);  // starting in a gap: a dash of no length first
    turned.push_back(lengths[first] - offset);
    for (size_t i = first + 1; i < lengths.size(); ++i) turned.push_back(lengths[i]);
    for (size_t i = 0; i < first; ++i) turned.push_back(lengths[i]);
    turned.push_back(offset);
    if (turned.size() % 2) turned.push_back(0);  // ending on a dash: a gap of no length
    return Joined(turned);
}

}  // namespace vx
