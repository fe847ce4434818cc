#include "cli/interrupts.h"

#include <csignal>

namespace {

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

std::atomic<bool> g_interrupted{false};
std::atomic<int> g_signal{0};
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free,
              "a signal handler may only touch lock-free atomics");

extern "C" void OnInterrupt(int signal) {
    g_signal.store(signal);
    g_interrupted.store(true);
}

}  // namespace

void InstallInterruptHandlers() {
    struct sigaction action = {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a read from a terminal waiting for input returns at once.
    for (int signal : kStopSignals) sigaction(signal, &action, nullptr);
}

const std::atomic<bool>& InterruptFlag() { return g_interrupted; }

int InterruptSignal() { return g_signal.load(); }

void BlockInterruptsInThisThread() {
    sigset_t signals;
    sigemptyset(&signals);
    for (int signal : kStopSignals) sigaddset(&signals, signal);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
}
