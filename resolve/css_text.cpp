#include "resolve/css_text.h"

namespace vx::css {

namespace {

constexpr size_t npos = std::string_view::npos;

// Position just past the string that opens at `quote`. A line break or the
// end of the text ends an unclosed one, as in a browser, so a stray quote
// swallows one line rather than the rest of the sheet.
size_t StringEnd(std::string_view text, size_t quote) {
    const char mark = text[quote];
    for (size_t i = quote + 1; i < text.size(); ++i) {
        if (text[i] == '\\') ++i;
        else if (text[i] == mark) return i + 1;
        else if (text[i] == '\n') return i;
    }
    return text.size();
}

bool IsOpening(char c) { return c == '(' || c == '[' || c == '{'; }
bool IsClosing(char c) { return c == ')' || c == ']' || c == '}'; }

}  // namespace

std::string WithoutComments(std::string_view css) {
    std::string out;
    out.reserve(css.size());
    size_t i = 0;
    while (i < css.size()) {
        const char c = css[i];
        if (c == '"' || c == '\'') {
            const size_t end = StringEnd(css, i);
            out.append(css.substr(i, end - i));
            i = end;
        } else if (c == '/' && i + 1 < css.size() && css[i + 1] == '*') {
            const size_t close = css.find("*/", i + 2);
            i = close == npos ? css.size() : close + 2;
        } else {
            out.push_back(c);
            ++i;
        }
    }
    return out;
}

size_t FindTopLevel(std::string_view text, size_t from, std::string_view stops) {
    size_t depth = 0;
    size_t i = from;
    while (i < text.size()) {
        const char c = text[i];
        if (depth == 0 && stops.find(c) != npos) return i;
        if (c == '"' || c == '\'') {
            i = StringEnd(text, i);
            continue;
        }
        if (IsOpening(c)) ++depth;
        else if (IsClosing(c) && depth > 0) --depth;
        ++i;
    }
    return npos;
}

size_t BlockClose(std::string_view text, size_t open) { return FindTopLevel(text, open + 1, "}"); }

}  // namespace vx::css
