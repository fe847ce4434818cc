#pragma once
// Converting a batch of files on one or several workers.
#include <string>

#include "cli/options.h"

class CConsole;
class CReport;

// What standard input held for the input "-" (read before the batch starts).
struct CStandardInput {
    std::string svg;
    int error = 0;  // errno of the failure to read it
};

// Converts options.inputs and prints one line per input, in input order, as
// each line becomes final; stops starting files once interrupted. Returns 0
// when all converted (or were up to date), else 1.
int RunBatch(const CCommandLine& options, CStandardInput standardInput, CConsole& console,
             CReport* report);
