#pragma once
// How character data reaches an element's text, the blank bytes of the markup
// (every control character counts, unlike the C library's white space), and
// the UTF-8 bytes of a character.
#include <cstdint>
#include <string>
#include <string_view>

namespace vx::xml {

inline bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }
std::string_view TrimBlanks(std::string_view s);
std::string_view TrimLeftBlanks(std::string_view s);
// The UTF-8 bytes of a code point up to U+10FFFF.
void AppendUtf8(std::string& out, uint32_t code);

// Character data that ends at the end of the document (or any piece of text):
// fragments that only lay out the markup stay out, every other byte goes in.
void AppendText(std::string& text, std::string_view fragment);
// Character data that stands before a tag: an indentation line in front of the
// tag is dropped, text that runs up to the tag is kept whole.
void AppendTextBeforeTag(std::string& text, std::string_view fragment);

}  // namespace vx::xml
