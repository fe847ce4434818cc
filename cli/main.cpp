// vextora-convert: the batch of the dialog's Convert, from the command line.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "cli/batch.h"
#include "cli/console.h"
#include "cli/input_list.h"
#include "cli/interrupts.h"
#include "cli/options.h"
#include "cli/report.h"

namespace {

int UsageError(const std::string& error) {
    std::fprintf(stderr, "vextora-convert: %s\nTry 'vextora-convert --help'.\n", error.c_str());
    return 2;
}

// A list or report that cannot be used stops everything before any file starts.
int SetupError(const std::string& what, int error) {
    std::fprintf(stderr, "vextora-convert: %s: %s\n", what.c_str(), std::strerror(error));
    return 2;
}

// 0 when folder is empty (no folder: --stdout) or is a folder now, else the errno.
int MakeOutputFolder(const std::string& folder) {
    if (folder.empty()) return 0;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (std::filesystem::is_directory(folder)) return 0;
    return error ? error.value() : ENOTDIR;
}

CStandardInput ReadStandardInputSvg(const CCommandLine& options) {
    CStandardInput standardInput;
    for (const std::string& input : options.inputs)
        if (input == "-") standardInput.error = ReadAll(0, standardInput.svg);
    return standardInput;
}

}  // namespace

int main(int argc, char** argv) {
    CCommandLine options;
    std::string error;
    if (!ParseCommandLine(argc, argv, options, error)) return UsageError(error);
    if (options.help || options.version) {
        std::fputs(options.help ? kUsageText : kVersionText, stdout);
        return 0;
    }
    // From here on an interrupt stops the run instead of killing it part way.
    InstallInterruptHandlers();
    if (!options.filesFrom.empty()) {
        const int failure = ReadNameList(options.filesFrom, options.nulSeparated, options.inputs);
        if (InterruptSignal()) return 128 + InterruptSignal();
        if (failure) return SetupError("cannot read " + options.filesFrom, failure);
    }
    if (!CheckInputs(options, error)) return UsageError(error);
    if (!options.outputFolder.empty() && options.outputFolder.back() != '/')
        options.outputFolder += '/';
    // A missing output folder is made; one that cannot be is said once, not per file.
    if (const int failure = MakeOutputFolder(options.outputFolder)) {
        std::fprintf(stderr, "vextora-convert: cannot make the output folder %s: %s\n",
                     options.outputFolder.c_str(), std::strerror(failure));
        return 1;
    }

    CReport report;
    if (!options.reportPath.empty()) {
        if (const int failure = report.Open(options.reportPath))
            return SetupError("cannot write " + options.reportPath, failure);
    }
    CStandardInput standardInput = ReadStandardInputSvg(options);
    CConsole console(isatty(fileno(stderr)) != 0, options.quiet, options.inputs.size(),
                     size_t(options.jobs));
    const int status = RunBatch(options, std::move(standardInput), console,
                                options.reportPath.empty() ? nullptr : &report);
    const int signal = InterruptSignal();
    return signal ? 128 + signal : status;
}
