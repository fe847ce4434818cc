#pragma once
// Small picture files for the image tests.
#include <cstdint>
#include <string>

#include "platform/base64.h"

namespace vxtest {

// A 1 x 1 PNG, as embedded in SVG files.
inline const char kTinyPngBase64[] =
    "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mNk+M9QDwADhgGAWjR9awAAAABJRU5ErkJggg==";

inline std::string TinyPng() {
    std::string bytes;
    DecodeBase64(kTinyPngBase64, 1024, bytes);
    return bytes;
}

inline std::string BigEndian32(uint32_t value) {
    return {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
}

// The head of a PNG of that pixel size: signature and IHDR chunk (its CRC not
// checked by anything here).
inline std::string PngHead(uint32_t width, uint32_t height) {
    return std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16) + BigEndian32(width) +
           BigEndian32(height) + std::string("\x08\x02\0\0\0CRC!", 9);
}

}  // namespace vxtest
