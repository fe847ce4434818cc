#pragma once
// The command line: vextora-convert [options] -o OUTDIR FILE.svg...
#include <string>
#include <vector>

#include "convert/convert_options.h"
#include "convert/svg_rules.h"

constexpr int kMaxJobs = 256;
constexpr int kMaxThreads = 2;  // per file: the walk, and the DXF's formatting and writing

struct CCommandLine {
    bool download = true;
    bool help = false;
    bool version = false;
    bool quiet = false;
    bool toStdout = false;      // the DXF of the one input goes to standard output
    bool update = false;        // skip inputs whose DXF is not older than the SVG
    bool nulSeparated = false;  // --files-from names end with NUL, not newline
    int fillOption = kFillHatch;  // --fill=outline|hatch|both
    int jobs = 1;
    int threads = 0;  // per file; 0: 2 from 256 KB of input, 1 when several workers run
    SvgRules svgRules = SvgRules::Classic;
    std::string outputFolder;
    std::string filesFrom;  // a list of inputs; "-" is standard input
    std::string reportPath;
    std::vector<std::string> inputs;
};

// False with a one-line message in error for a usage error.
bool ParseCommandLine(int argc, char** argv, CCommandLine& options, std::string& error);
// The checks that need every input, those of --files-from included. An
// empty list is no error: a batch of nothing converts nothing.
bool CheckInputs(const CCommandLine& options, std::string& error);
extern const char kUsageText[];
extern const char kVersionText[];
