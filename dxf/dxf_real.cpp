// The value text of real groups, as dxflib's ASCII writer prints it: "%.16f"
// with trailing zeros cut back to one digit after the point. Coordinates make
// up most of a DXF, so the digits are computed eight at a time in one word.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "dxf/dxf_writer.h"

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "digit words are stored little-endian");

namespace {

constexpr uint64_t kTenPow16 = 10000000000000000ULL;
constexpr uint32_t kTenPow8 = 100000000;
constexpr uint64_t kSignBit = uint64_t(1) << 63;
constexpr uint64_t kInfinityBits = 0x7FF0000000000000ULL;
constexpr uint64_t kAsciiZeros = 0x3030303030303030ULL;

// The eight decimal digits of value (below 10^8) as one byte each, the first
// digit in the lowest byte: divisions by 10^4, 100 and 10 done in all lanes at
// once with multiplications that are exact in these ranges.
uint64_t DigitBytes(uint32_t value) {
    const uint64_t quads = (value / 10000) | uint64_t(value % 10000) << 32;
    const uint64_t hundreds = ((quads * 10486) >> 20) & 0x0000007F0000007FULL;
    const uint64_t pairs = hundreds | (quads - hundreds * 100) << 16;
    const uint64_t tens = ((pairs * 103) >> 10) & 0x000F000F000F000FULL;
    return tens | (pairs - tens * 10) << 8;
}

// SplitFixed16 for magnitudes m * 2^-shift below 2^-11 (shift 64 to 127):
// no integer part, and the rounding of the 16 digits takes 128 bits.
bool SplitSmallFraction(uint64_t m, int shift, uint64_t& fraction) {
    const unsigned __int128 product = static_cast<unsigned __int128>(m) * kTenPow16;
    uint64_t digits = static_cast<uint64_t>(product >> shift);
    const unsigned __int128 rest = product - (static_cast<unsigned __int128>(digits) << shift);
    const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
    if (rest > half || (rest == half && (digits & 1))) ++digits;
    fraction = digits;  // below 10^16 * 2^-11 + 1: no carry into a whole part
    return true;
}

// The 16-digit fraction of the magnitude (bits of a finite, non-zero,
// non-negative double) rounded as printf rounds (to nearest, ties to even),
// with its integer part; exact because 53 bits times 10^16 fit into 128 bits.
// Whole numbers of 64 bits or more go to the general path.
bool SplitFixed16(uint64_t bits, uint64_t& whole, uint64_t& fraction) {
    const int biased = int(bits >> 52);
    const uint64_t m = (bits & ((uint64_t(1) << 52) - 1)) | (biased ? uint64_t(1) << 52 : 0);
    const int shift = biased ? 1075 - biased : 1074;  // magnitude = m * 2^-shift
    whole = fraction = 0;
    if (shift <= 0) {
        if (shift < -10) return false;
        whole = m << -shift;
        return true;
    }
    if (shift >= 128) return true;  // below 2^-75: rounds to zero
    if (shift >= 64) return SplitSmallFraction(m, shift, fraction);
    whole = m >> shift;
    const uint64_t fractionBits = m & ((uint64_t(1) << shift) - 1);
    if (fractionBits == 0) return true;
    // fractionBits * 10^16 < 2^(shift + 54): the digits are its bits from
    // `shift` on, the rest those below.
    const unsigned __int128 product = static_cast<unsigned __int128>(fractionBits) * kTenPow16;
    const auto high = static_cast<uint64_t>(product >> 64), low = static_cast<uint64_t>(product);
    uint64_t digits = (low >> shift) | (high << 1 << (63 - shift));
    const uint64_t rest = low & ((uint64_t(1) << shift) - 1);
    const uint64_t half = uint64_t(1) << (shift - 1);
    // Without branches: the comparison goes either way as often.
    digits += uint64_t(rest > half) | (uint64_t(rest == half) & digits & 1);
    if (digits == kTenPow16) {
        ++whole;
        digits = 0;
    }
    fraction = digits;
    return true;
}

char* WriteWhole(char* out, uint64_t whole) {
    if (whole >= kTenPow8) return std::to_chars(out, out + 20, whole).ptr;
    const uint64_t digits = DigitBytes(uint32_t(whole));
    // The lowest byte is the first digit; the last digit stays even when it is 0.
    const int leadingZeros = __builtin_ctzll(digits | uint64_t(1) << 56) / 8;
    const uint64_t text = (digits >> (8 * leadingZeros)) + kAsciiZeros;
    std::memcpy(out, &text, sizeof text);  // bytes past the digits are overwritten later
    return out + 8 - leadingZeros;
}

// The fraction's 16 digits without the trailing zeros (one digit at least).
char* WriteFraction(char* out, uint64_t fraction) {
    const uint64_t high = DigitBytes(uint32_t(fraction / kTenPow8));
    const uint64_t low = DigitBytes(uint32_t(fraction % kTenPow8));
    const uint64_t highText = high + kAsciiZeros, lowText = low + kAsciiZeros;
    std::memcpy(out, &highText, sizeof highText);
    std::memcpy(out + 8, &lowText, sizeof lowText);
    // The last digit is a word's highest byte.
    if (low != 0) return out + 16 - __builtin_clzll(low) / 8;
    return out + (high != 0 ? 8 - __builtin_clzll(high) / 8 : 1);
}

char* WriteHugeMagnitude(char* out, double magnitude) {
    // The sign may already take one byte of the room.
    char* end = std::to_chars(out, out + CDxfWriter::kMaxRealText - 1, magnitude,
                              std::chars_format::fixed, 16).ptr;
    const char* dot = end - 17;
    while (end > dot + 2 && end[-1] == '0') --end;
    return end;
}

}  // namespace

char* CDxfWriter::WriteReal(char* out, double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    uint64_t magnitude = bits & ~kSignBit;
    // A value that is not a number reads as garbage to every DXF reader.
    if (magnitude >= kInfinityBits) bits = magnitude = 0;
    *out = '-';
    out += bits >> 63;
    uint64_t whole = 0, fraction = 0;
    // Zero, the most frequent value, needs no splitting.
    if (magnitude != 0 && !SplitFixed16(magnitude, whole, fraction))
        return WriteHugeMagnitude(out, std::fabs(value));
    out = WriteWhole(out, whole);
    if (fraction == 0) {
        std::memcpy(out, ".0", 2);
        return out + 2;
    }
    *out++ = '.';
    return WriteFraction(out, fraction);
}
