// PLACEHOLDER: replaced by the real implementation.
#include "xml/xml_node.h"
CXML::~CXML() { Clear(); }
void CXML::Clear() {}
void CXML::AddChild(CXML*) {}
void CXML::RemoveChild(CXML*) {}
void CXML::AddAttribute(std::string, std::string) {}
CAttribute* CXML::GetFirstAttribute() { return nullptr; }
CAttribute* CXML::GetNextAttribute() { return nullptr; }
CXML* CXML::GetFirstChild() { return nullptr; }
CXML* CXML::GetNextChild() { return nullptr; }
const std::string* CXML::FindAttribute(std::string_view) const { return nullptr; }
