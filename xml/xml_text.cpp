#include "xml/xml_text.h"

namespace vx::xml {

namespace {

bool IsLineBreak(char c) { return c == '\n' || c == '\r'; }

bool AllBlank(std::string_view s) {
    for (char c : s)
        if (!IsBlank(c)) return false;
    return true;
}

// Blank lines in front of the text are markup layout: cut through the last
// line break of the leading blank run.
std::string_view CutLeadingBlankLines(std::string_view s) {
    size_t cut = 0;
    for (size_t i = 0; i < s.size() && IsBlank(s[i]); ++i)
        if (IsLineBreak(s[i])) cut = i + 1;
    return s.substr(cut);
}

// Line breaks after the text are layout too: cut from the first line break of
// the trailing blank run; blanks before that break belong to the text.
std::string_view CutTrailingBlankLines(std::string_view s) {
    size_t cut = s.size();
    for (size_t i = s.size(); i > 0 && IsBlank(s[i - 1]); --i)
        if (IsLineBreak(s[i - 1])) cut = i - 1;
    return s.substr(0, cut);
}

bool HasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

}  // namespace

void AppendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

std::string_view TrimLeftBlanks(std::string_view s) {
    size_t start = 0;
    while (start < s.size() && IsBlank(s[start])) ++start;
    return s.substr(start);
}

std::string_view TrimBlanks(std::string_view s) {
    s = TrimLeftBlanks(s);
    size_t end = s.size();
    while (end > 0 && IsBlank(s[end - 1])) --end;
    return s.substr(0, end);
}

void AppendText(std::string& text, std::string_view fragment) {
    if (fragment.empty()) return;
    if (fragment.size() <= 2) {
        if (!IsLineBreak(fragment[0])) text += fragment;
        return;
    }
    // Only blanks around a line break: an empty line of the layout.
    if (AllBlank(fragment) && HasLineBreak(fragment)) return;
    text += CutTrailingBlankLines(CutLeadingBlankLines(fragment));
}

void AppendTextBeforeTag(std::string& text, std::string_view fragment) {
    if (fragment.empty()) return;
    const size_t lastLineFeed = fragment.rfind('\n');
    const std::string_view lastLine =
        lastLineFeed == std::string_view::npos ? fragment : fragment.substr(lastLineFeed + 1);
    if (!AllBlank(lastLine)) {
        text += fragment;
        return;
    }
    // The tag stands on a line of its own (or only blanks precede it).
    if (lastLineFeed != std::string_view::npos && lastLineFeed > 0)
        AppendText(text, fragment.substr(0, lastLineFeed));
}

}  // namespace vx::xml
