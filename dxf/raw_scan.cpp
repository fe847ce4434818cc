// The raw-text pre-scan: line types and text styles must be in the tables
// before the first entity, so every dash array and font family of the file is
// collected from its text before the element walk.
#include <algorithm>

#include "convert/svg_converter.h"
#include "convert/text.h"

namespace {

constexpr std::string_view kDashKey = "stroke-dasharray:";
constexpr std::string_view kFontKey = "font-family:";
constexpr size_t kMaxDashChars = 361;
constexpr size_t kMaxFontChars = 129;

bool IsDashChar(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == ',' || c == ' ' || c == '-';
}

// A value ends at the first character that cannot belong to it, or at the
// length bound, or at the end of the text (a zero byte ends it too).
template <class Belongs>
std::string_view ValueAt(std::string_view text, size_t start, size_t maxChars,
                         Belongs belongs) {
    size_t end = start;
    const size_t limit = start + std::min(maxChars, text.size() - start);
    while (end < limit && text[end] != '\0' && belongs(text[end])) ++end;
    return text.substr(start, end - start);
}

// Calls take(position after the key) for each occurrence that has at least
// one byte after it.
template <class Take>
void ForEachOccurrence(std::string_view text, std::string_view key, Take take) {
    for (size_t at = text.find(key); at != std::string_view::npos;
         at = text.find(key, at + key.size())) {
        const size_t after = at + key.size();
        if (after >= text.size()) break;
        take(after);
    }
}

}  // namespace

void CSvgConverter::ScanRawText(std::string_view buffer) {
    ForEachOccurrence(buffer, kDashKey, [&](size_t after) {
        const std::string_view value = vx::TrimView(ValueAt(buffer, after, kMaxDashChars, IsDashChar));
        if (!value.empty()) AddDashPattern(value);
    });
    ForEachOccurrence(buffer, kFontKey, [&](size_t after) {
        // Only the first family of a list: a comma right after the key leaves nothing.
        if (buffer[after] == ',') return;
        const std::string_view value = ValueAt(buffer, after, kMaxFontChars, [](char c) {
            return c != ',' && c != ';' && c != '>' && c != '"';
        });
        AddFontFamily(vx::TrimRightView(value));
    });
}
