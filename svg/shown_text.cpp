#include "svg/shown_text.h"

#include "xml/xml_parser.h"

namespace vx {

namespace {

// Character data that ran on into a closing tag ends before that tag's '<'.
std::string_view CutAtClosingTag(std::string_view content, std::string_view tag) {
    const size_t at = content.find(tag);
    if (at == std::string_view::npos) return content;
    return content.substr(0, at == 0 ? 0 : at - 1);
}

}  // namespace

std::string ShownText(std::string_view content) {
    return DecodeEntities(CutAtClosingTag(CutAtClosingTag(content, "/text>"), "/tspan>"));
}

}  // namespace vx
