#pragma once
// The pixel size that a picture file states in its header (PNG, JPEG, GIF,
// BMP), so that an IMAGE can map the picture's pixels onto the area it covers.
#include <cstddef>
#include <string>
#include <string_view>

struct CPictureSize {
    int width = 0, height = 0;  // both positive when the size is known
    // Non-zero when the head given was too short: a head of this many bytes
    // may hold the size (a JPEG's frame header can follow large metadata).
    size_t bytesNeeded = 0;
    bool Known() const { return width > 0 && height > 0; }
};

// The size stated in the first bytes of a picture file. Unknown for anything
// else, and for damaged or hostile headers (zero or out-of-range sizes, JPEG
// segments that point nowhere).
CPictureSize ReadPictureSize(std::string_view head);

// The size stated by the picture file at path, reading only as much of its
// head as that takes. Unknown when the file cannot be read.
CPictureSize ReadPictureFileSize(const std::string& path);
