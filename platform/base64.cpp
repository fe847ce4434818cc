#include "platform/base64.h"

#include <algorithm>

#include "base/text.h"

namespace {

// The 6-bit value of an alphabet character, or -1.
int SextetOf(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

}  // namespace

bool DecodeBase64(std::string_view text, size_t maxBytes, std::string& out) {
    out.clear();
    // Three bytes per four characters: reserve at most what the bound allows.
    out.reserve(std::min(maxBytes, text.size() / 4 * 3 + 3));
    unsigned buffer = 0;
    int pending = 0;  // sextets in the buffer
    int padding = 0;
    for (const char c : text) {
        if (vx::IsSpace(c)) continue;
        if (c == '=') {
            ++padding;
            continue;
        }
        const int sextet = SextetOf(c);
        // Data after padding, or outside the alphabet, is not base64.
        if (sextet < 0 || padding > 0) return false;
        buffer = (buffer << 6) | static_cast<unsigned>(sextet);
        if (++pending == 4) {
            if (out.size() + 3 > maxBytes) return false;
            out.push_back(static_cast<char>(buffer >> 16));
            out.push_back(static_cast<char>(buffer >> 8));
            out.push_back(static_cast<char>(buffer));
            buffer = 0;
            pending = 0;
        }
    }
    // The last group holds 2 or 3 characters for 1 or 2 bytes; padding only fills it to 4.
    if (pending == 1 || (padding > 0 && pending + padding != 4) || padding > 2) return false;
    const int tailBytes = pending == 0 ? 0 : pending - 1;
    if (out.size() + static_cast<size_t>(tailBytes) > maxBytes) return false;
    buffer <<= 6 * (4 - pending);
    for (int i = 0; i < tailBytes; ++i) out.push_back(static_cast<char>(buffer >> (16 - 8 * i)));
    return true;
}
