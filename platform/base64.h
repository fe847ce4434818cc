#pragma once
// Base64 (RFC 4648, standard alphabet) as embedded images carry it.
#include <cstddef>
#include <string>
#include <string_view>

// Decodes text into out. White space between the characters is skipped (data
// addresses are often wrapped over lines). False for any other character
// outside the alphabet, misplaced '=' padding, a dangling single character,
// or a result longer than maxBytes.
bool DecodeBase64(std::string_view text, size_t maxBytes, std::string& out);
