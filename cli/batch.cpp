#include "cli/batch.h"

#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <mutex>
#include <optional>
#include <thread>

#include "cli/console.h"
#include "cli/interrupts.h"
#include "cli/outcome.h"
#include "cli/report.h"
#include "convert/output_clashes.h"
#include "convert/recorded_options_reader.h"
#include "convert/svg_converter.h"

namespace {

constexpr char kStdinName[] = "stdin";  // stands for "-": its DXF is stdin.dxf

const std::string& NameOf(const std::string& input) {
    static const std::string stdinName = kStdinName;
    return input == "-" ? stdinName : input;
}

std::vector<std::string> InputNames(const std::vector<std::string>& inputs) {
    std::vector<std::string> names;
    names.reserve(inputs.size());
    for (const std::string& input : inputs) names.push_back(NameOf(input));
    return names;
}

// A DXF at least as new as its SVG; false when either cannot be looked at.
// DxfIsCurrent then asks whether it was made the way this run would make it.
bool IsUpToDate(const std::string& svgPath, const std::string& dxfPath) {
    struct stat svg = {}, dxf = {};
    if (stat(svgPath.c_str(), &svg) != 0 || stat(dxfPath.c_str(), &dxf) != 0) return false;
    if (dxf.st_mtim.tv_sec != svg.st_mtim.tv_sec) return dxf.st_mtim.tv_sec > svg.st_mtim.tv_sec;
    return dxf.st_mtim.tv_nsec >= svg.st_mtim.tv_nsec;
}

std::string StdoutLine(const CFileOutcome& outcome) {
    switch (outcome.status) {
        case CStatus::kConverted: return outcome.outName;
        case CStatus::kUpToDate: return outcome.outName + " (up to date)";
        case CStatus::kFailed: break;
    }
    return "Convert\t" + outcome.input + " failed.";
}

// The state the workers share: which input is next, and the outcomes that
// wait for those before them to be printed.
class CBatch {
public:
    CBatch(const CCommandLine& options, CStandardInput standardInput, CConsole& console,
           CReport* report)
        : options(options),
          console(console),
          clashes(FindOutputClashes(InputNames(options.inputs))),
          m_standardInput(std::move(standardInput)),
          m_report(report),
          m_outcomes(options.inputs.size()) {}

    // The next input to convert; false when none is left or the batch was interrupted.
    bool Take(size_t& index) {
        if (InterruptFlag().load()) return false;
        index = m_next++;
        return index < options.inputs.size();
    }
    CStandardInput TakeStandardInput() { return std::move(m_standardInput); }
    void Finish(size_t index, CFileOutcome outcome);
    int Status() const { return m_nStatus; }

    const CCommandLine& options;
    CConsole& console;
    const std::vector<std::string> clashes;

private:
    void Emit(const CFileOutcome& outcome);

    CStandardInput m_standardInput;
    CReport* m_report;
    std::atomic<size_t> m_next{0};
    std::mutex m_mutex;
    std::vector<std::optional<CFileOutcome>> m_outcomes;
    size_t m_nPrinted = 0;
    int m_nStatus = 0;
};

// Outcomes arrive in any order from the workers; they leave in input order.
void CBatch::Finish(size_t index, CFileOutcome outcome) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_outcomes[index] = std::move(outcome);
    for (; m_nPrinted < m_outcomes.size() && m_outcomes[m_nPrinted]; ++m_nPrinted) {
        Emit(*m_outcomes[m_nPrinted]);
        m_outcomes[m_nPrinted].reset();
    }
}

void CBatch::Emit(const CFileOutcome& outcome) {
    if (outcome.status == CStatus::kFailed) m_nStatus = 1;
    // With --stdout, standard output carries the DXF alone.
    console.Result(options.toStdout ? std::string() : StdoutLine(outcome), outcome.input,
                   outcome.reason);
    if (m_report)
        m_report->Write(outcome, options.toStdout ? std::string()
                                                  : options.outputFolder + outcome.outName);
}

// Workers that share the cores already keep them busy: a second thread per
// file would only contend with the next worker.
int ThreadsPerFile(const CCommandLine& options, size_t workers) {
    if (options.threads != 0) return options.threads;
    return workers > 1 ? 1 : 0;  // 0: the converter chooses by the input's size
}

void ConfigureConverter(CSvgConverter& converter, const CCommandLine& options, size_t workers) {
    CConvertOptions chosen;
    chosen.fillOption = options.fillOption;
    chosen.threads = ThreadsPerFile(options, workers);
    chosen.svgRules = options.svgRules;
    chosen.imageFetch.allowNetwork = options.download;
    chosen.outputFolder = options.outputFolder;
    if (options.toStdout) {
        chosen.outputFd = 1;
        // Nowhere to put pictures, and an uploaded drawing must not make us fetch any.
        chosen.imageFetch.storePictures = false;
    }
    converter.SetOptions(std::move(chosen));
    converter.SetCancelFlag(&InterruptFlag());
}

// False with the reason in outcome.
bool ConvertInput(CBatch& batch, CSvgConverter& converter, CFileOutcome& outcome) {
    bool converted = false;
    if (outcome.input != "-") {
        converted = converter.ConvertFile(outcome.input, outcome.outName);
    } else {
        CStandardInput standardInput = batch.TakeStandardInput();
        if (standardInput.error) {
            outcome.reason = std::string("cannot read: ") + std::strerror(standardInput.error);
            return false;
        }
        converted = converter.ConvertContent(kStdinName, std::move(standardInput.svg), outcome.outName);
    }
    if (!converted) outcome.reason = converter.FailureReason();
    return converted;
}

void Convert(CBatch& batch, CSvgConverter& converter, size_t index, CFileOutcome& outcome) {
    const CCommandLine& options = batch.options;
    outcome.outName = CSvgConverter::DeriveOutputName(NameOf(outcome.input));
    if (!batch.clashes[index].empty()) {
        outcome.reason = ClashReason(outcome.outName, batch.clashes[index]);
        return;
    }
    const std::string dxfPath = options.outputFolder + outcome.outName;
    if (options.update && outcome.input != "-" && IsUpToDate(outcome.input, dxfPath) &&
        DxfIsCurrent(dxfPath, RecordedOptionsText(converter.Options()))) {
        outcome.status = CStatus::kUpToDate;
        return;
    }
    if (!ConvertInput(batch, converter, outcome)) return;
    outcome.status = CStatus::kConverted;
    outcome.entities = converter.EntityCounts();
}

// One worker: its own converter, taking the next input each time.
void Work(CBatch& batch, size_t worker, size_t workers) {
    BlockInterruptsInThisThread();
    CSvgConverter converter;
    ConfigureConverter(converter, batch.options, workers);
    CFileMessages messages(batch.console);
    CWorkerProgress progress(batch.console, worker);
    converter.SetMessageSink(&messages);
    converter.SetProgressSink(&progress);
    for (size_t index = 0; batch.Take(index);) {
        CFileOutcome outcome;
        outcome.input = batch.options.inputs[index];
        messages.StartFile(outcome.input, &outcome.warnings);
        batch.console.FileStarted(worker, index, outcome.input);
        const auto start = std::chrono::steady_clock::now();
        Convert(batch, converter, index, outcome);
        outcome.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        messages.StartFile(outcome.input, nullptr);
        batch.console.FileEnded(worker);
        batch.Finish(index, std::move(outcome));
    }
}

}  // namespace

int RunBatch(const CCommandLine& options, CStandardInput standardInput, CConsole& console,
             CReport* report) {
    CBatch batch(options, std::move(standardInput), console, report);
    const size_t workers = std::max<size_t>(1, std::min<size_t>(options.jobs, options.inputs.size()));
    // Even one worker runs on its own thread: the main thread waits and takes the signals.
    std::vector<std::thread> threads;
    for (size_t worker = 0; worker < workers; ++worker)
        threads.emplace_back(Work, std::ref(batch), worker, workers);
    for (std::thread& thread : threads) thread.join();
    console.ClearProgress();
    return batch.Status();
}
