// The value text of real groups, as dxflib's ASCII writer prints it: "%.16f"
// with trailing zeros cut back to one digit after the point.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "dxf/dxf_writer.h"

namespace {

constexpr uint64_t kTenPow16 = 10000000000000000ULL;

// The 16-digit fraction of m * 2^-shift rounded as printf rounds (to nearest,
// ties to even), with its integer part; exact because 53 bits times 10^16
// fit into 128 bits. Doubles that are whole numbers of 64 bits or more go to
// the general path.
bool SplitFixed16(double magnitude, uint64_t& whole, uint64_t& fraction) {
    int exponent = 0;
    const double mantissa = std::frexp(magnitude, &exponent);  // magnitude = mantissa * 2^exponent
    const auto m = static_cast<uint64_t>(std::ldexp(mantissa, 53));
    const int shift = 53 - exponent;  // magnitude = m * 2^-shift
    if (shift <= 0) {
        if (exponent > 63) return false;
        whole = m << -shift;
        fraction = 0;
        return true;
    }
    if (shift >= 128) {  // below 2^-75: rounds to zero
        whole = fraction = 0;
        return true;
    }
    whole = shift >= 64 ? 0 : m >> shift;
    const uint64_t fractionBits = shift >= 64 ? m : m & ((uint64_t(1) << shift) - 1);
    const unsigned __int128 product = static_cast<unsigned __int128>(fractionBits) * kTenPow16;
    uint64_t digits = static_cast<uint64_t>(product >> shift);
    const unsigned __int128 rest = product - (static_cast<unsigned __int128>(digits) << shift);
    const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
    if (rest > half || (rest == half && (digits & 1))) ++digits;
    if (digits == kTenPow16) {
        ++whole;
        digits = 0;
    }
    fraction = digits;
    return true;
}

// Writes the fraction's 16 digits without the trailing zeros (one digit at least).
char* WriteFraction(char* out, uint64_t fraction) {
    char digits[16];
    for (int i = 15; i >= 0; --i) {
        digits[i] = char('0' + fraction % 10);
        fraction /= 10;
    }
    int length = 16;
    while (length > 1 && digits[length - 1] == '0') --length;
    std::memcpy(out, digits, size_t(length));
    return out + length;
}

}  // namespace

void CDxfWriter::AppendReal(std::string& out, double value) {
    // A value that is not a number reads as garbage to every DXF reader.
    if (!std::isfinite(value)) value = 0.0;
    // "%.16f" of the largest double has 309 digits before the point.
    char text[400];
    char* end = text;
    uint64_t whole = 0, fraction = 0;
    if (SplitFixed16(std::fabs(value), whole, fraction)) {
        if (std::signbit(value)) *end++ = '-';
        end = std::to_chars(end, text + sizeof text, whole).ptr;
        *end++ = '.';
        end = WriteFraction(end, fraction);
    } else {
        const auto result =
            std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 16);
        end = result.ptr;
        const char* dot = end - 17;
        while (end > dot + 2 && end[-1] == '0') --end;
    }
    out.append(text, size_t(end - text));
}
