#pragma once
// How character data reaches an element's text, and the blank bytes of the
// markup (every control character counts, unlike the C library's white space).
#include <string>
#include <string_view>

namespace vx::xml {

inline bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }
std::string_view TrimBlanks(std::string_view s);
std::string_view TrimLeftBlanks(std::string_view s);

// Character data that ends at the end of the document (or any piece of text):
// fragments that only lay out the markup stay out, every other byte goes in.
void AppendText(std::string& text, std::string_view fragment);
// Character data that stands before a tag: an indentation line in front of the
// tag is dropped, text that runs up to the tag is kept whole.
void AppendTextBeforeTag(std::string& text, std::string_view fragment);

}  // namespace vx::xml
