#pragma once
// The end of a DXF as the writer makes it, for tests of what --update reads:
// the OBJECTS section with the pictures' IMAGEDEFs and, last, the record of
// the options the DXF was made with (none for a DXF from before records).
#include <string>
#include <vector>

namespace vxtest {

inline std::string DxfTail(const std::vector<std::string>& pictures, const std::string& options) {
    std::string tail = "  0\nSECTION\n  2\nOBJECTS\n  0\nDICTIONARY\n  5\nC\n";
    for (const std::string& picture : pictures)
        tail += "  0\nIMAGEDEF\n  5\n1F\n 90\n0\n  1\n" + picture + "\n 10\n16.0\n";
    if (!options.empty())
        tail += "  0\nXRECORD\n  5\n2A\n330\nC\n100\nAcDbXrecord\n  1\n" + options + "\n";
    return tail + "  0\nENDSEC\n  0\nEOF\n";
}

}  // namespace vxtest
