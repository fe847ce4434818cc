#pragma once
// Converting a batch of files, on one converter or on several workers.
#include <string>
#include <vector>

#include "cli/options.h"

class IProgressSink;
class IMessageSink;

// Converts options.inputs in order and prints one line per input, in input
// order, as each line becomes final. Returns 0 when all converted, else 1.
int RunBatch(const CCommandLine& options, IProgressSink* progress, IMessageSink* messages);
