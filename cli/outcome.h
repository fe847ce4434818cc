#pragma once
// What became of one input of a batch: its lines, its report entry.
#include <string>
#include <vector>

#include "dxf/dxf_writer.h"

enum class CStatus { kConverted, kUpToDate, kFailed };

struct CFileOutcome {
    std::string input;    // as given; "-" for standard input
    std::string outName;  // "plan.dxf"
    CStatus status = CStatus::kFailed;
    std::string reason;  // why it failed
    std::vector<std::string> warnings;
    CEntityCounts entities;
    double seconds = 0;
};
