#pragma once
// Shared pieces of the hostile-input tests: SVG wrappers, a check that no
// numeric group of a DXF holds anything but a finite number, and a check that
// files lie inside a folder.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/convert_fixture.h"
#include "tests/support/dxf_groups.h"

namespace vxtest {

// A one-pixel PNG as a data: reference.
inline const char kPngData[] =
    "data:image/png;base64,"
    "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mNk+M9QDwADhgGAWjR9awAAAABJRU5ErkJggg==";

inline std::string HostileSvg(const std::string& body, const std::string& height = "100") {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" height=\"" + height + "\">\n" + body +
           "\n</svg>\n";
}

// Group codes whose values readers parse as reals or integers.
inline bool IsNumericCode(int code) {
    return (code >= 10 && code <= 99) || (code >= 110 && code <= 149) ||
           (code >= 160 && code <= 179) || (code >= 210 && code <= 239) ||
           (code >= 270 && code <= 299) || (code >= 370 && code <= 389) ||
           (code >= 400 && code <= 409) || (code >= 420 && code <= 429) ||
           (code >= 440 && code <= 469) || (code >= 1010 && code <= 1071);
}

// A plain decimal number: readers refuse "nan", "inf" and anything else.
inline bool IsFiniteNumberText(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789.+-eE ") != std::string::npos)
        return false;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    return std::isfinite(value) && *end == '\0';
}

// The first numeric group whose value is no finite number, "" when all are.
inline std::string FirstNonFiniteGroup(const std::string& dxf) {
    for (const Group& g : ParseGroups(dxf))
        if (IsNumericCode(g.code) && !IsFiniteNumberText(g.value))
            return std::to_string(g.code) + " = '" + g.value + "'";
    return "";
}

// Each path lies inside folder once symbolic links and ".." are resolved.
inline bool AllInside(const std::vector<std::string>& paths, const std::string& folder) {
    namespace fs = std::filesystem;
    const std::string root = fs::weakly_canonical(folder).string() + "/";
    for (const std::string& path : paths)
        if (fs::weakly_canonical(path).string().rfind(root, 0) != 0) return false;
    return true;
}

}  // namespace vxtest
