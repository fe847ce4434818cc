#pragma once
// The file in progress: where it goes to, why it failed, how large it is, and
// what its document holds.
#include <string>

#include "dxf/dxf_writer.h"

struct CJobState {
    std::string m_strInputPath;
    std::string m_strOutputPath;
    std::string m_strFailureReason;
    int m_nOutputError = 0;  // errno of the output file's failure
    long long m_nInputBytes = 0;
    int m_nInsUnits = 0;
    long m_nClassicDifferences = 0;  // elements the classic reading draws unlike a browser  // 4 (millimetres) when the drawing has an absolute size, else 0
    CEntityCounts m_entityCounts;

    void Reset() { *this = CJobState(); }
};
