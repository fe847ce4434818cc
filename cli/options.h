#pragma once
// The command line: vextora-convert [options] -o OUTDIR FILE.svg...
#include <string>
#include <vector>

struct CCommandLine {
    bool fill = true;
    bool download = true;
    bool help = false;
    bool version = false;
    int jobs = 1;
    std::string outputFolder;
    std::vector<std::string> inputs;
};

// False with a message in error for a usage error.
bool ParseCommandLine(int argc, char** argv, CCommandLine& options, std::string& error);
extern const char kUsageText[];
extern const char kVersionText[];
