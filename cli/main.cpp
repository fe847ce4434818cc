// vextora-convert: the batch of the dialog's Convert, from the command line.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "cli/options.h"
#include "cli/terminal_sinks.h"
#include "convert/svg_converter.h"

static std::string FailureText(const std::string& input) {
    return "Convert\t" + input + " failed.";
}

int main(int argc, char** argv) {
    CCommandLine options;
    std::string error;
    if (!ParseCommandLine(argc, argv, options, error)) {
        std::fprintf(stderr, "vextora-convert: %s\n%s", error.c_str(), kUsageText);
        return 2;
    }
    if (options.help) {
        std::fputs(kUsageText, stdout);
        return 0;
    }
    if (options.outputFolder.back() != '/') options.outputFolder += '/';

    CTerminalProgress progress;
    CStderrMessages messages;
    CSvgConverter converter;
    converter.m_bFillOption = options.fill ? 1 : 0;
    converter.m_imageFetch.allowNetwork = options.download;
    converter.m_strOutputFolder = options.outputFolder;
    converter.SetMessageSink(&messages);
    if (isatty(fileno(stderr))) converter.SetProgressSink(&progress);

    int status = 0;
    for (const std::string& input : options.inputs) {
        std::string outName;
        const bool ok = converter.ConvertFile(input, outName);
        if (!ok) progress.Hide();
        std::printf("%s\n", ok ? outName.c_str() : FailureText(input).c_str());
        std::fflush(stdout);
        if (!ok) status = 1;
    }
    return status;
}
