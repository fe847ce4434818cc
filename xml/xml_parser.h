#pragma once
// The lenient XML reader that fills a CXML tree from an SVG file held in memory.
#include <string>
#include <string_view>

class CXML;
class IMessageSink;

// Elements nested deeper than this are read past, not built.
constexpr int kMaxXmlDepth = 512;

// Builds the tree under root from the document text. True when a start tag
// (named rootName, or any when rootName is empty) was found and parsed.
// The warning "Warning Tag Block is Incomplete" goes to messages (may be null).
bool LoadXml(CXML& root, std::string_view document, const std::string& rootName,
             IMessageSink* messages);

// Decodes &amp; &lt; &gt; &apos; &quot; and numeric references in one pass.
std::string DecodeEntities(std::string_view text);
