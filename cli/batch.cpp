#include "cli/batch.h"

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

#include "convert/svg_converter.h"
#include "platform/progress_sink.h"

namespace {

struct CResult {
    bool done = false;
    bool ok = false;
    std::string line;
};

// Results arrive in any order from the workers; lines leave in input order.
class COrderedPrinter {
public:
    explicit COrderedPrinter(size_t count) : m_results(count) {}

    void Finish(size_t index, bool ok, std::string line) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_results[index] = {true, ok, std::move(line)};
        while (m_next < m_results.size() && m_results[m_next].done) {
            std::printf("%s\n", m_results[m_next].line.c_str());
            std::fflush(stdout);
            if (!m_results[m_next].ok) m_status = 1;
            ++m_next;
        }
    }
    int Status() const { return m_status; }

private:
    std::mutex m_mutex;
    std::vector<CResult> m_results;
    size_t m_next = 0;
    int m_status = 0;
};

void ConfigureConverter(CSvgConverter& converter, const CCommandLine& options,
                        IProgressSink* progress, IMessageSink* messages) {
    converter.m_bFillOption = options.fill ? 1 : 0;
    converter.m_imageFetch.allowNetwork = options.download;
    converter.m_strOutputFolder = options.outputFolder;
    converter.SetProgressSink(progress);
    converter.SetMessageSink(messages);
}

// One worker: its own converter, taking the next unconverted input each time.
void Work(const CCommandLine& options, std::atomic<size_t>& next, COrderedPrinter& printer,
          IProgressSink* progress, IMessageSink* messages) {
    CSvgConverter converter;
    ConfigureConverter(converter, options, progress, messages);
    for (size_t i = next++; i < options.inputs.size(); i = next++) {
        std::string outName;
        const bool ok = converter.ConvertFile(options.inputs[i], outName);
        if (!ok && progress) progress->Hide();
        printer.Finish(i, ok, ok ? outName : "Convert\t" + options.inputs[i] + " failed.");
    }
}

}  // namespace

int RunBatch(const CCommandLine& options, IProgressSink* progress, IMessageSink* messages) {
    COrderedPrinter printer(options.inputs.size());
    std::atomic<size_t> next{0};
    const size_t workers = std::min<size_t>(size_t(options.jobs), options.inputs.size());
    if (workers <= 1) {
        Work(options, next, printer, progress, messages);
        return printer.Status();
    }
    // Several files at once: a single-line progress display would interleave.
    std::vector<std::thread> threads;
    for (size_t w = 0; w < workers; ++w)
        threads.emplace_back(Work, std::cref(options), std::ref(next), std::ref(printer), nullptr,
                             messages);
    for (std::thread& thread : threads) thread.join();
    return printer.Status();
}
