#pragma once
// The bytes of an input file as the UTF-8 text the XML reader parses.
#include <string>

namespace vx {

// Turns the file's bytes in content into that text, in place: a gzip stream
// (found by its magic bytes, not by the file's name) is inflated, a UTF-8 byte
// order mark is dropped, and UTF-16 with a byte order mark (either byte order)
// becomes UTF-8, an unpaired surrogate becoming U+FFFD. Any other bytes stay as
// they are. False, with the reason in failure, when a gzip stream cannot be
// inflated (see Gunzip).
bool DecodeInputText(std::string& content, std::string& failure);

}  // namespace vx
