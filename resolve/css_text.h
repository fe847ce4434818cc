#pragma once
// Reading CSS text at the level the style reading needs: comments out, and
// searches that step over quoted strings and bracketed parts, so that a ';' in
// url(data:...;base64,...) or a '{' in a string ends nothing.
#include <string>
#include <string_view>

namespace vx::css {

// The text without its /* */ comments (an unterminated one runs to the end).
// Quoted strings are copied whole: a "/*" inside one opens no comment.
std::string WithoutComments(std::string_view css);

// The first of `stops` at or after `from` outside strings and outside (), []
// and {} pairs opened after `from`; npos when there is none. A stray closing
// bracket is passed over.
size_t FindTopLevel(std::string_view text, size_t from, std::string_view stops);

// Position of the '}' that closes the block whose '{' stands at `open`; npos
// when the text ends first (the block then runs to the end).
size_t BlockClose(std::string_view text, size_t open);

// Letters, digits, '-', '_' and every non-ASCII byte: what CSS names are made of.
inline bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

}  // namespace vx::css
