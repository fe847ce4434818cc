#pragma once
// Standard output and standard error of a batch, shared by its workers:
// result lines, failure reasons, warnings and the progress line never cut
// into each other. The progress line is drawn only on a terminal.
#include <chrono>
#include <mutex>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "platform/progress_sink.h"

class CConsole {
public:
    CConsole(bool showProgress, bool quiet, size_t inputCount, size_t workerCount);
    // "FILE: TEXT" on stderr, unless quiet.
    void Warn(const std::string& input, const std::string& text);
    // The final lines of one input: stdoutLine (none when empty) and, when
    // reason is not empty, "vextora-convert: FILE: REASON" on stderr.
    void Result(const std::string& stdoutLine, const std::string& input, const std::string& reason);
    void FileStarted(size_t worker, size_t index, const std::string& input);
    void FilePercent(size_t worker, int percent);
    void FileEnded(size_t worker);
    void ClearProgress();

private:
    void EraseLine();
    void DrawProgress();

    std::mutex m_mutex;
    const bool m_bShowProgress;
    const bool m_bQuiet;
    const size_t m_nInputs;
    size_t m_nEnded = 0;
    struct CWorkerFile {
        size_t index = 0;
        std::string input;
        int percent = 0;
    };
    std::vector<CWorkerFile> m_workers;  // the file each worker converts
    size_t m_nShownWorker = 0;           // whose file the line names: the last to move
    bool m_bLineDrawn = false;
    std::chrono::steady_clock::time_point m_lastDraw;
};

// A worker's converter reports its file's percentage into the batch's line.
class CWorkerProgress : public IProgressSink {
public:
    CWorkerProgress(CConsole& console, size_t worker) : m_console(console), m_nWorker(worker) {}
    // The worker names the file and ends it itself (FileStarted, FileEnded).
    void Show(const std::string&) override {}
    void SetPos(int percent) override { m_console.FilePercent(m_nWorker, percent); }
    void Hide() override {}

private:
    CConsole& m_console;
    size_t m_nWorker;
};

// A worker's messages: each names the worker's current file and is kept for the report.
class CFileMessages : public IMessageSink {
public:
    explicit CFileMessages(CConsole& console) : m_console(console) {}
    void StartFile(const std::string& input, std::vector<std::string>* warnings) {
        m_strInput = input;
        m_pWarnings = warnings;
    }
    // The parser's message is a warning about the file too.
    void ShowMessage(const std::string& text) override { Warn(text); }
    void Warn(const std::string& text) override;

private:
    CConsole& m_console;
    std::string m_strInput;
    std::vector<std::string>* m_pWarnings = nullptr;
};
