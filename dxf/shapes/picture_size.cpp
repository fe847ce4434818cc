#include "dxf/shapes/picture_size.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <fstream>

namespace {

constexpr size_t kFirstRead = 4096;
// Metadata before a JPEG's frame header (EXIF, ICC profiles) stays far below this.
constexpr size_t kMaxHead = 16u << 20;

unsigned Byte(std::string_view bytes, size_t at) { return static_cast<unsigned char>(bytes[at]); }

// The caller has checked that the bytes exist.
uint32_t BigEndian(std::string_view bytes, size_t at, size_t count) {
    uint32_t value = 0;
    for (size_t i = 0; i < count; ++i) value = value << 8 | Byte(bytes, at + i);
    return value;
}

uint32_t LittleEndian(std::string_view bytes, size_t at, size_t count) {
    uint32_t value = 0;
    for (size_t i = count; i-- > 0;) value = value << 8 | Byte(bytes, at + i);
    return value;
}

CPictureSize Sized(int64_t width, int64_t height) {
    CPictureSize size;
    if (width > 0 && height > 0 && width <= INT_MAX && height <= INT_MAX) {
        size.width = static_cast<int>(width);
        size.height = static_cast<int>(height);
    }
    return size;
}

CPictureSize NeedBytes(size_t count) {
    CPictureSize size;
    size.bytesNeeded = count;
    return size;
}

// The IHDR chunk comes first: length, "IHDR", width, height (big-endian).
CPictureSize PngSize(std::string_view head) {
    if (head.size() < 24) return NeedBytes(24);
    if (head.substr(12, 4) != "IHDR") return {};
    return Sized(BigEndian(head, 16, 4), BigEndian(head, 20, 4));
}

// The logical screen that every frame of the picture is drawn on.
CPictureSize GifSize(std::string_view head) {
    if (head.size() < 10) return NeedBytes(10);
    return Sized(LittleEndian(head, 6, 2), LittleEndian(head, 8, 2));
}

// An OS/2 core header (12 bytes) holds 16-bit sizes, the later headers signed
// 32-bit ones; a negative height stores the rows top-down.
CPictureSize BmpSize(std::string_view head) {
    if (head.size() < 26) return NeedBytes(26);
    const uint32_t headerSize = LittleEndian(head, 14, 4);
    if (headerSize == 12) return Sized(LittleEndian(head, 18, 2), LittleEndian(head, 20, 2));
    if (headerSize < 16) return {};
    const int64_t width = static_cast<int32_t>(LittleEndian(head, 18, 4));
    const int64_t height = static_cast<int32_t>(LittleEndian(head, 22, 4));
    return Sized(width, height < 0 ? -height : height);
}

// Markers without a length: TEM and RST0-7.
bool IsStandalone(unsigned marker) { return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7); }

// SOF0-15, which are C0-CF apart from DHT (C4), JPG (C8) and DAC (CC).
bool IsFrameStart(unsigned marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Walks the segments from SOI to the first frame header. Every step moves
// forward, so a hostile file cannot make the walk loop.
CPictureSize JpegSize(std::string_view head) {
    size_t at = 2;
    for (;;) {
        if (head.size() < at + 2) return NeedBytes(at + 2);
        if (Byte(head, at) != 0xFF) return {};
        const unsigned marker = Byte(head, at + 1);
        if (marker == 0xFF) {  // a fill byte before the marker
            ++at;
            continue;
        }
        if (IsStandalone(marker)) {
            at += 2;
            continue;
        }
        // Image data, the end, or another SOI before any frame header: no size to find.
        if (marker >= 0xD8 && marker <= 0xDA) return {};
        if (head.size() < at + 4) return NeedBytes(at + 4);
        const size_t length = BigEndian(head, at + 2, 2);
        if (length < 2) return {};
        if (IsFrameStart(marker)) {
            if (length < 7) return {};
            if (head.size() < at + 9) return NeedBytes(at + 9);
            return Sized(BigEndian(head, at + 7, 2), BigEndian(head, at + 5, 2));
        }
        at += 2 + length;
    }
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

CPictureSize ReadPictureSize(std::string_view head) {
    if (StartsWith(head, std::string_view("\x89PNG\r\n\x1A\n", 8))) return PngSize(head);
    if (StartsWith(head, "\xFF\xD8\xFF")) return JpegSize(head);
    if (StartsWith(head, "GIF87a") || StartsWith(head, "GIF89a")) return GifSize(head);
    if (StartsWith(head, "BM")) return BmpSize(head);
    return {};
}

CPictureSize ReadPictureFileSize(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string head;
    size_t want = kFirstRead;
    while (file && want <= kMaxHead) {
        const size_t had = head.size();
        head.resize(want);
        file.read(&head[had], static_cast<std::streamsize>(want - had));
        head.resize(had + static_cast<size_t>(file.gcount()));
        const CPictureSize size = ReadPictureSize(head);
        if (size.bytesNeeded <= head.size()) return size;
        // Growing by doubling keeps the repeated walks linear in what is read.
        want = std::max(size.bytesNeeded, head.size() * 2);
    }
    return {};
}
