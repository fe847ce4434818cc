// Input files as the text the reader parses: byte order marks, UTF-16, gzip
// (bounded), and what a job does with such files.
#include <gtest/gtest.h>

#include <zlib.h>

#include <string>

#include "convert/input_text.h"
#include "tests/support/convert_fixture.h"
#include "tests/support/dxf_groups.h"

using namespace vxtest;

namespace {

// text repeated `times` times as one gzip member, deflated piece by piece so a
// bomb never lies uncompressed in memory or on disk.
std::string Gzip(std::string_view text, size_t times = 1) {
    z_stream stream{};
    EXPECT_EQ(deflateInit2(&stream, 9, Z_DEFLATED, 16 + MAX_WBITS, 9, Z_DEFAULT_STRATEGY), Z_OK);
    std::string out;
    char block[1 << 16];
    for (size_t i = 0; i < times; ++i) {
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
        stream.avail_in = static_cast<uInt>(text.size());
        const int flush = i + 1 == times ? Z_FINISH : Z_NO_FLUSH;
        do {
            stream.next_out = reinterpret_cast<Bytef*>(block);
            stream.avail_out = sizeof block;
            deflate(&stream, flush);
            out.append(block, sizeof block - stream.avail_out);
        } while (stream.avail_out == 0);
    }
    deflateEnd(&stream);
    return out;
}

// UTF-16 with its byte order mark.
std::string Utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = char(unit >> 8), low = char(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

const char kUtf8[] = "<svg><text>\xC3\xA9\xF0\x9D\x84\x9E</text></svg>";  // é, 𝄞 (a surrogate pair)
const char16_t kUtf16[] = u"<svg><text>\u00E9\U0001D11E</text></svg>";

}  // namespace

TEST(InputText, EncodingsBecomeUtf8AndBadGzipFailsWithItsReason) {
    std::string corrupt = Gzip(kUtf8);
    corrupt[corrupt.size() - 8] ^= 0x55;  // the checksum
    const std::string whole = Gzip(kUtf8);
    const char16_t unpaired[] = {u'<', 0xDC00, u'a', 0xD800, u'b', 0xD800};
    const struct {
        const char* name;
        std::string bytes, text, failure;
    } rows[] = {
        {"plain", kUtf8, kUtf8, ""},
        {"utf-8 mark", std::string("\xEF\xBB\xBF") + kUtf8, kUtf8, ""},
        {"utf-16 le", Utf16(kUtf16, false), kUtf8, ""},
        {"utf-16 be", Utf16(kUtf16, true), kUtf8, ""},
        {"unpaired surrogates, odd byte", Utf16({unpaired, 6}, true) + "x",
         "<\xEF\xBF\xBD" "a\xEF\xBF\xBD" "b\xEF\xBF\xBD\xEF\xBF\xBD", ""},
        {"gzip", whole, kUtf8, ""},
        {"gzip of utf-16", Gzip(Utf16(kUtf16, false)), kUtf8, ""},
        {"two members", Gzip("<svg>") + Gzip("</svg>"), "<svg></svg>", ""},
        {"corrupt", corrupt, "", "corrupt compressed drawing (incorrect data check)"},
        {"cut off", whole.substr(0, whole.size() / 2), "", "compressed drawing is cut off"},
        {"bomb", Gzip(std::string(1 << 20, '\0'), 16), "",
         "compressed drawing inflates beyond 1000 times its size"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::string content = row.bytes, failure;
        EXPECT_EQ(vx::DecodeInputText(content, failure), row.failure.empty());
        EXPECT_EQ(failure, row.failure);
        if (row.failure.empty()) {
            EXPECT_EQ(content, row.text);
        }
    }
}

TEST(InputText, CompressedDrawingConvertsAsPlainAndABombWritesNothing) {
    // The dash pattern shows that the raw-text scan read the decoded text too.
    const std::string svg = "<svg height=\"9\"><line x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\" "
                            "style=\"stroke-dasharray:4 2\"/></svg>";
    CSvgConverter converter;
    const std::string plain = ConvertSvg(converter, svg, "plain");
    ASSERT_NE(plain, "");
    const std::string input = TestInputFolder() + "plan.svgz";
    WriteFile(input, Gzip(Utf16(std::u16string(svg.begin(), svg.end()), false)));
    std::string outName;
    ASSERT_TRUE(converter.ConvertFile(input, outName));
    EXPECT_EQ(outName, "plan.dxf");
    EXPECT_EQ(ReadFile(converter.Options().outputFolder + outName), plain);
    EXPECT_EQ(TableCount(plain, "LTYPE"), 2);

    const std::string bomb = TestInputFolder() + "bomb.svgz";
    WriteFile(bomb, Gzip(std::string(1 << 20, ' '), 16));
    EXPECT_FALSE(converter.ConvertFile(bomb, outName));
    EXPECT_EQ(converter.FailureReason(), "compressed drawing inflates beyond 1000 times its size");
    EXPECT_EQ(FilesBelow(converter.Options().outputFolder),
              (std::vector<std::string>{"plain.dxf", "plan.dxf"}));  // no temporary file either
}
