#pragma once
// SIGINT, SIGTERM and SIGHUP stop a batch: the handler only sets a flag that
// the converters poll, so the file in progress can remove its temporary file.
#include <atomic>

void InstallInterruptHandlers();
// Set once one of the signals arrived; the converters' cancel flag.
const std::atomic<bool>& InterruptFlag();
// The signal that stopped the batch, 0 when none did.
int InterruptSignal();
// Workers block the signals, so that only the main thread, waiting for them,
// takes them: a worker's reads and writes are never cut short.
void BlockInterruptsInThisThread();
