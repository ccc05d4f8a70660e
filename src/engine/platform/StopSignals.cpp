#include "platform/StopSignals.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace vistagon {

namespace {

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Set from the signal handler, so they have to live outside any object.
std::atomic<int> received{0};
static_assert(std::atomic<int>::is_always_lock_free, "the handler may only touch a lock-free flag");
int wakePipe[2] = {-1, -1};

void EndNow(int signal)
{
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
    // Delivered as soon as the handler returns, or at once when it is not blocked.
    raise(signal);
}

void OnStopSignal(int signal)
{
    int none = 0;
    if (!received.compare_exchange_strong(none, signal)) {
        // The user does not want to wait for the stop.
        EndNow(signal);
        return;
    }
    if (wakePipe[1] >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = write(wakePipe[1], &byte, 1);
    }
}

}  // namespace

void InstallStopSignals()
{
    if (wakePipe[0] < 0 && pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0) wakePipe[0] = wakePipe[1] = -1;
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    // Reads and writes that the signal interrupts go on; the job sees the flag at its next test.
    action.sa_flags = SA_RESTART;
    for (const int signal : kStopSignals) sigaction(signal, &action, nullptr);
}

int ReceivedStopSignal()
{
    return received.load();
}

int StopSignalDescriptor()
{
    return wakePipe[0];
}

void EndByReceivedStopSignal()
{
    const int signal = received.load();
    if (signal == 0) return;
    // Dying by a signal skips the flush that exit does.
    std::fflush(nullptr);
    EndNow(signal);
}

}  // namespace vistagon
