#include "cli/report.h"

#include <cerrno>

#include <nlohmann/json.hpp>

namespace {

const char* StatusName(CStatus status) {
    switch (status) {
        case CStatus::kConverted: return "converted";
        case CStatus::kUpToDate: return "up to date";
        case CStatus::kFailed: break;
    }
    return "failed";
}

}  // namespace

CReport::~CReport() {
    if (m_file) std::fclose(m_file);
}

int CReport::Open(const std::string& path) {
    m_file = std::fopen(path.c_str(), "w");
    return m_file ? 0 : errno;
}

void CReport::Write(const CFileOutcome& outcome, const std::string& outputPath) {
    if (!m_file) return;
    nlohmann::json line;
    line["input"] = outcome.input;
    line["output"] = outputPath.empty() ? nlohmann::json() : nlohmann::json(outputPath);
    line["status"] = StatusName(outcome.status);
    line["reason"] = outcome.reason;
    line["warnings"] = outcome.warnings;
    line["entities"] = outcome.entities;
    line["seconds"] = outcome.seconds;
    // Names need not be UTF-8: their bytes are replaced rather than failing the report.
    const std::string text = line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    std::fprintf(m_file, "%s\n", text.c_str());
    // Each line complete on disk as it is written: a stopped batch keeps a readable report.
    std::fflush(m_file);
}
