#pragma once
// What an existing DXF says of how it was made, for --update: the options it
// recorded and the pictures it refers to, read from its OBJECTS section at the
// end of the file (never the whole file).
#include <string>
#include <string_view>
#include <vector>

struct CDxfRecord {
    std::string optionsText;            // "svg-rules=classic fill=hatch"; empty when none
    std::vector<std::string> pictures;  // the IMAGEDEF file names
};

// The record of the OBJECTS section that text (a DXF's tail) holds.
CDxfRecord ParseDxfRecord(std::string_view text);
// The record of the DXF at path; empty when it cannot be read.
CDxfRecord ReadDxfRecord(const std::string& path);
// Whether the DXF at path was made with the options that optionsText records
// and every picture it refers to is still there.
bool DxfIsCurrent(const std::string& path, const std::string& optionsText);
