#pragma once
// Reading one tag as the parser sees it: its element name, whether it closes
// itself, and its attributes.
#include <string_view>

class CXML;

namespace vx::xml {

// The name as written: up to the first blank, or up to the final '>' (and a
// '/' before it) when the tag has no blank.
std::string_view RawTagName(std::string_view token);
// The element name: the raw name without a leading '/' (an end tag read as a
// start tag names its element).
std::string_view ElementName(std::string_view token);
// True when the token is a tag and, unless name is empty, its raw name is name.
bool IsStartTag(std::string_view token, std::string_view name);
// Comments, declarations and processing instructions: "<!..." and "<?...".
bool IsDeclaration(std::string_view token);
// "</name>", with or without blanks before the '>'.
bool IsEndTagOf(std::string_view token, std::string_view name);

struct CStartTag {
    std::string_view name;        // element name
    std::string_view attributes;  // the text after the name, trimmed
    bool selfClosing = false;     // "/>": no content and no end tag
    bool complete = false;        // ends in '>'
};
CStartTag ReadStartTag(std::string_view token);

// Adds the attributes of the text (name="value", name='value' given as double
// quotation marks by the token reader, or name=value up to the next blank),
// sorted by name, the last of a repeated name winning. Values stay as written.
void ReadAttributes(CXML& element, std::string_view text);

}  // namespace vx::xml
