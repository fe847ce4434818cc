#pragma once
// --report FILE.jsonl: one JSON object per input, in input order.
#include <cstdio>
#include <string>

#include "cli/outcome.h"

class CReport {
public:
    CReport() = default;
    CReport(const CReport&) = delete;
    CReport& operator=(const CReport&) = delete;
    ~CReport();
    // 0, or the errno of the failure to create the file.
    int Open(const std::string& path);
    // outputPath is empty when the DXF went to standard output.
    void Write(const CFileOutcome& outcome, const std::string& outputPath);

private:
    std::FILE* m_file = nullptr;
};
