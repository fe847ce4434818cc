#include "cli/console.h"

#include <cstdio>

namespace {

// Often enough to look alive, rarely enough that a batch of small files does
// not spend its time drawing.
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

}  // namespace

CConsole::CConsole(bool showProgress, bool quiet, size_t inputCount, size_t workerCount)
    : m_bShowProgress(showProgress),
      m_bQuiet(quiet),
      m_nInputs(inputCount),
      m_workers(workerCount) {}

void CConsole::Warn(const std::string& input, const std::string& text) {
    if (m_bQuiet) return;
    std::lock_guard<std::mutex> lock(m_mutex);
    EraseLine();
    std::fprintf(stderr, "%s: %s\n", input.c_str(), text.c_str());
}

void CConsole::Result(const std::string& stdoutLine, const std::string& input,
                      const std::string& reason) {
    std::lock_guard<std::mutex> lock(m_mutex);
    EraseLine();
    if (!reason.empty()) std::fprintf(stderr, "vextora-convert: %s: %s\n", input.c_str(), reason.c_str());
    if (!stdoutLine.empty()) {
        std::printf("%s\n", stdoutLine.c_str());
        std::fflush(stdout);
    }
}

void CConsole::FileStarted(size_t worker, size_t index, const std::string& input) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_workers[worker] = {index, input, 0};
    m_nShownWorker = worker;
    DrawProgress();
}

void CConsole::FilePercent(size_t worker, int percent) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_workers[worker].percent = percent;
    m_nShownWorker = worker;
    DrawProgress();
}

void CConsole::FileEnded(size_t worker) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_workers[worker].percent = 0;
    ++m_nEnded;
    DrawProgress();
}

void CConsole::ClearProgress() {
    std::lock_guard<std::mutex> lock(m_mutex);
    EraseLine();
}

void CConsole::EraseLine() {
    if (!m_bLineDrawn) return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    m_bLineDrawn = false;
}

// "[n/N] FILE  pct%": the file that moved last and the whole batch's percentage.
void CConsole::DrawProgress() {
    if (!m_bShowProgress || m_nInputs == 0) return;
    const auto time = std::chrono::steady_clock::now();
    if (m_bLineDrawn && time - m_lastDraw < kRedrawInterval) return;
    long long hundredths = 100LL * static_cast<long long>(m_nEnded);
    for (const CWorkerFile& file : m_workers) hundredths += file.percent;
    const long long batchPercent = hundredths / static_cast<long long>(m_nInputs);
    const CWorkerFile& shown = m_workers[m_nShownWorker];
    std::fprintf(stderr, "\r\033[K[%zu/%zu] %s  %lld%%", shown.index + 1, m_nInputs,
                 shown.input.c_str(), batchPercent);
    std::fflush(stderr);
    m_bLineDrawn = true;
    m_lastDraw = time;
}

void CFileMessages::Warn(const std::string& text) {
    if (m_pWarnings) m_pWarnings->push_back(text);
    m_console.Warn(m_strInput, text);
}
