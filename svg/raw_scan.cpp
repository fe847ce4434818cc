#include "svg/raw_scan.h"

#include <algorithm>

#include "base/text.h"

namespace {

constexpr std::string_view kDashName = "stroke-dasharray";
constexpr std::string_view kFontName = "font-family";
constexpr size_t kMaxDashChars = 361;
constexpr size_t kMaxFontChars = 129;

// Any white space may separate dash lengths, as the walker reads them.
bool IsDashChar(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == ',' || vx::IsSpace(c) || c == '-';
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

// Calls take(position after the colon) for each declaration of the name (the
// style form "name:", blanks allowed before the colon, not the attribute form
// name="...") that has at least one byte after it.
template <class Take>
void ForEachDeclaration(std::string_view text, std::string_view name, Take take) {
    for (size_t after = vx::DeclarationStart(text, name); after != std::string_view::npos;
         after = vx::DeclarationStart(text, name, after)) {
        if (after >= text.size()) break;
        take(after);
    }
}

}  // namespace

void vx::ScanRawText(CDocumentTables& tables, std::string_view buffer) {
    ForEachDeclaration(buffer, kDashName, [&](size_t after) {
        tables.AddDashPattern(ValueAt(buffer, after, kMaxDashChars, IsDashChar));
    });
    ForEachDeclaration(buffer, kFontName, [&](size_t after) {
        // Only the first family of a list: a comma right after the colon leaves nothing.
        if (buffer[after] == ',') return;
        const std::string_view value = ValueAt(buffer, after, kMaxFontChars, [](char c) {
            return c != ',' && c != ';' && c != '>' && c != '"';
        });
        tables.AddFontFamily(vx::TrimRightView(value));
    });
}
