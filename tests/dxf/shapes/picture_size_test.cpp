// Pixel sizes read from picture headers, including damaged and hostile ones.
#include <gtest/gtest.h>

#include "dxf/shapes/picture_size.h"
#include "tests/support/image_files.h"
#include "tests/support/test_folders.h"

using vxtest::PngHead;

namespace {

std::string LittleEndian(uint32_t value, int bytes) {
    std::string text;
    for (int i = 0; i < bytes; ++i) text += char(value >> (8 * i));
    return text;
}

std::string Gif(uint16_t width, uint16_t height) {
    return "GIF89a" + LittleEndian(width, 2) + LittleEndian(height, 2) + std::string(3, '\0');
}

// A BMP head with a DIB header of that size holding width and height.
std::string Bmp(uint32_t headerSize, int32_t width, int32_t height) {
    const int sizeBytes = headerSize == 12 ? 2 : 4;
    return "BM" + std::string(12, '\0') + LittleEndian(headerSize, 4) +
           LittleEndian(uint32_t(width), sizeBytes) + LittleEndian(uint32_t(height), sizeBytes) +
           std::string(16, '\0');
}

std::string Segment(unsigned char marker, const std::string& payload) {
    const size_t length = payload.size() + 2;
    return std::string{'\xFF', char(marker), char(length >> 8), char(length)} + payload;
}

// A frame header: precision, height, width, one component.
std::string Frame(unsigned char marker, uint16_t width, uint16_t height) {
    return Segment(marker, std::string{8, char(height >> 8), char(height), char(width >> 8),
                                       char(width), 1, 1, 0x11, 0});
}

const std::string kSoi = "\xFF\xD8";
const std::string kJfif = Segment(0xE0, std::string("JFIF\0\1\1\0\0\1\0\1\0\0", 14));

}  // namespace

TEST(PictureSize, HeadersOfEachFormat) {
    struct Case {
        const char* what;
        std::string head;
        int width, height;
        size_t bytesNeeded;
    };
    const std::string exif = Segment(0xE1, "Exif" + std::string(3000, 'x'));
    const Case cases[] = {
        {"png", PngHead(16, 16), 16, 16, 0},
        {"png, largest size", PngHead(0x7FFFFFFF, 3), 0x7FFFFFFF, 3, 0},
        {"png, size beyond int", PngHead(0x80000000u, 3), 0, 0, 0},
        {"png, zero width", PngHead(0, 3), 0, 0, 0},
        {"png, truncated", PngHead(16, 16).substr(0, 20), 0, 0, 24},
        {"png, first chunk not IHDR", PngHead(16, 16).replace(12, 4, "gAMA"), 0, 0, 0},
        {"gif", Gif(300, 2), 300, 2, 0},
        {"gif, truncated", Gif(300, 2).substr(0, 9), 0, 0, 10},
        {"bmp", Bmp(40, 640, 480), 640, 480, 0},
        {"bmp, rows top-down", Bmp(124, 640, -480), 640, 480, 0},
        {"bmp, OS/2 core header", Bmp(12, 0x1234, 2), 0x1234, 2, 0},
        {"bmp, negative width", Bmp(40, -5, 5), 0, 0, 0},
        {"bmp, height of INT_MIN", Bmp(40, 5, INT32_MIN), 0, 0, 0},
        {"bmp, unknown header", Bmp(8, 5, 5), 0, 0, 0},
        {"jpeg, JFIF", kSoi + kJfif + Frame(0xC0, 640, 480), 640, 480, 0},
        {"jpeg, progressive after EXIF and tables",
         kSoi + exif + Segment(0xDB, std::string(65, 'q')) + Segment(0xC4, std::string(30, 'h')) +
             Frame(0xC2, 1, 65535),
         1, 65535, 0},
        {"jpeg, fill bytes and markers without length",
         kSoi + "\xFF\xFF\xFF\x01\xFF\xD0" + Frame(0xC1, 7, 9), 7, 9, 0},
        {"jpeg, DAC is no frame", kSoi + Segment(0xCC, "abcdefgh") + Frame(0xC3, 2, 3), 2, 3, 0},
        {"jpeg, truncated in EXIF", (kSoi + exif).substr(0, 500), 0, 0, 2 + exif.size() + 2},
        {"jpeg, truncated frame", (kSoi + Frame(0xC0, 2, 3)).substr(0, 8), 0, 0, 11},
        {"jpeg, image data before any frame", kSoi + Segment(0xDA, "sos") + Frame(0xC0, 2, 3), 0, 0, 0},
        {"jpeg, height in a later DNL", kSoi + Frame(0xC0, 2, 0), 0, 0, 0},
        {"jpeg, length below 2", kSoi + std::string("\xFF\xE0\0\1", 4) + Frame(0xC0, 2, 3), 0, 0, 0},
        {"jpeg, frame too short for a size", kSoi + Segment(0xC0, "abcd") + Frame(0xC0, 2, 3), 0, 0, 0},
        {"jpeg, no marker where one belongs", kSoi + "xx" + Frame(0xC0, 2, 3), 0, 0, 0},
        {"tiff is not read", std::string("II*\0\x08\0\0\0", 8) + std::string(100, '\0'), 0, 0, 0},
        {"text", "hello, world", 0, 0, 0},
        {"empty", "", 0, 0, 0},
    };
    for (const Case& c : cases) {
        const CPictureSize size = ReadPictureSize(c.head);
        EXPECT_EQ(size.width, c.width) << c.what;
        EXPECT_EQ(size.height, c.height) << c.what;
        EXPECT_EQ(size.bytesNeeded, c.bytesNeeded) << c.what;
    }
}

TEST(PictureSize, FilesAreReadAsFarAsTheFrameHeader) {
    const std::string folder = vxtest::TestInputFolder();
    // Metadata well beyond a first read: the head has to grow several times.
    std::string metadata;
    for (int i = 0; i < 5; ++i) metadata += Segment(0xE2, std::string(60000, char('a' + i)));
    const std::string jpeg = kSoi + metadata + Frame(0xC0, 320, 200);
    vxtest::WriteFile(folder + "deep.jpg", jpeg + std::string(1000, 'd'));
    vxtest::WriteFile(folder + "cut.jpg", jpeg.substr(0, jpeg.size() - 8));
    vxtest::WriteFile(folder + "small.png", PngHead(3, 4));

    const CPictureSize deep = ReadPictureFileSize(folder + "deep.jpg");
    EXPECT_EQ(deep.width, 320);
    EXPECT_EQ(deep.height, 200);
    EXPECT_FALSE(ReadPictureFileSize(folder + "cut.jpg").Known());
    EXPECT_EQ(ReadPictureFileSize(folder + "small.png").width, 3);
    EXPECT_FALSE(ReadPictureFileSize(folder + "missing.png").Known());
    EXPECT_FALSE(ReadPictureFileSize(folder).Known());
}
