#pragma once
// Small picture files for the image tests.
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

}  // namespace vxtest
