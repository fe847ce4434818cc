// The value text of string groups. A value is one line of the file, so line
// breaks and other control characters must not reach it; characters beyond
// ASCII are written as \U+XXXX, which DXF readers turn back into the character.
#include "dxf/dxf_writer.h"

namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The code point of the UTF-8 sequence at text[0] and its length; 0 when the
// bytes there are no valid, shortest-form UTF-8 sequence.
size_t DecodeUtf8(const unsigned char* text, size_t size, unsigned& codePoint) {
    const unsigned char lead = text[0];
    size_t length = 0;
    unsigned low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0Fu;
        if (lead == 0xE0) low = 0xA0;    // overlong forms
        if (lead == 0xED) high = 0x9F;   // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07u;
        if (lead == 0xF0) low = 0x90;    // overlong forms
        if (lead == 0xF4) high = 0x8F;   // beyond U+10FFFF
    } else {
        return 0;
    }
    if (size < length || text[1] < low || text[1] > high) return 0;
    for (size_t i = 1; i < length; ++i) {
        if (!IsContinuation(text[i])) return 0;
        codePoint = (codePoint << 6) | (text[i] & 0x3Fu);
    }
    return length;
}

void AppendCodePoint(std::string& out, unsigned codePoint) {
    static const char kHex[] = "0123456789ABCDEF";
    if (codePoint > 0xFFFF) codePoint = 0xFFFD;  // four hex digits cannot hold it
    const char text[7] = {'\\', 'U', '+', kHex[(codePoint >> 12) & 0xF],
                          kHex[(codePoint >> 8) & 0xF], kHex[(codePoint >> 4) & 0xF],
                          kHex[codePoint & 0xF]};
    out.append(text, sizeof text);
}

bool IsPlain(unsigned char c) { return (c >= 0x20 && c < 0x80) || c == '\t'; }

}  // namespace

void CDxfWriter::AppendDxfText(std::string& out, const char* value, size_t size) {
    const auto* text = reinterpret_cast<const unsigned char*>(value);
    size_t i = 0;
    while (i < size) {
        size_t run = i;
        while (run < size && IsPlain(text[run])) ++run;
        out.append(value + i, run - i);
        i = run;
        if (i == size) break;
        const unsigned char c = text[i];
        if (c < 0x20) {
            out.push_back(' ');
            ++i;
            continue;
        }
        unsigned codePoint = 0;
        const size_t length = DecodeUtf8(text + i, size - i, codePoint);
        // A byte that starts no valid sequence is a Latin-1 character.
        AppendCodePoint(out, length ? codePoint : c);
        i += length ? length : 1;
    }
}
