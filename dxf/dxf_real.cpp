// The value text of real groups, as dxflib's ASCII writer prints it.
#include <charconv>
#include <cmath>

#include "dxf/dxf_writer.h"

void CDxfWriter::AppendReal(std::string& out, double value) {
    // A value that is not a number reads as garbage to every DXF reader.
    if (!std::isfinite(value)) value = 0.0;
    // "%.16f" of the largest double has 309 digits before the point.
    char text[400];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 16);
    // The fraction always has 16 digits: cut trailing zeros, keep one digit.
    const char* dot = result.ptr - 17;
    const char* end = result.ptr;
    while (end > dot + 2 && end[-1] == '0') --end;
    out.append(text, size_t(end - text));
}
