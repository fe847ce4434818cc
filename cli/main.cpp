// vextora-convert: the batch of the dialog's Convert, from the command line.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "cli/batch.h"
#include "cli/options.h"
#include "cli/terminal_sinks.h"

int main(int argc, char** argv) {
    CCommandLine options;
    std::string error;
    if (!ParseCommandLine(argc, argv, options, error)) {
        std::fprintf(stderr, "vextora-convert: %s\n%s", error.c_str(), kUsageText);
        return 2;
    }
    if (options.help || options.version) {
        std::fputs(options.help ? kUsageText : kVersionText, stdout);
        return 0;
    }
    if (options.outputFolder.back() != '/') options.outputFolder += '/';
    // A missing output folder is made; when that fails every file fails on its own.
    std::error_code ignored;
    std::filesystem::create_directories(options.outputFolder, ignored);

    CTerminalProgress progress;
    CStderrMessages messages;
    const bool terminal = isatty(fileno(stderr));
    return RunBatch(options, terminal ? &progress : nullptr, &messages);
}
