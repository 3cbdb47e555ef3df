#include "cli/stop_signals.h"

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <memory>
#include <string>

#include "base/exit_status.h"
#include "base/translation.h"

namespace tw::cli {

namespace {

// What the handler may read: a list of C strings published whole, never changed
// afterwards (a newer list replaces it; the old one is kept alive).
struct TemporaryList {
    std::vector<std::string> paths;
    std::vector<const char*> names;
};

std::atomic<const TemporaryList*> published{nullptr};
std::vector<std::unique_ptr<TemporaryList>>& allLists() {
    static std::vector<std::unique_ptr<TemporaryList>> lists;
    return lists;
}

volatile std::sig_atomic_t stopSignals = 0;
volatile std::sig_atomic_t atOnce = 0;

// The handler's message, made in the language in use before any handler runs.
std::atomic<const std::string*> stoppedMessage{nullptr};

void unlinkPublished() {
    const TemporaryList* list = published.load();
    if (list == nullptr) return;
    for (const char* name : list->names) ::unlink(name);
}

void onStopSignal(int) {
    stopSignals = stopSignals + 1;
    if (atOnce || stopSignals > 1) {
        unlinkPublished();
        if (const std::string* message = stoppedMessage.load()) {
            [[maybe_unused]] const auto ignored = ::write(STDERR_FILENO, message->data(), message->size());
        }
        ::_exit(kExitFailure);
    }
}

// Every signal whose default is to end the process.
constexpr int kStopSignals[] = {SIGINT,  SIGTERM,   SIGHUP,  SIGQUIT, SIGUSR1, SIGUSR2,
                                SIGALRM, SIGVTALRM, SIGPROF, SIGXCPU, SIGPWR};

}  // namespace

void installStopSignals() {
    static const std::string message =
        "tamblewin: " + std::string(TW_TR("CommandLine", "stopped; nothing was written")) + "\n";
    stoppedMessage = &message;
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : kStopSignals) {
        struct sigaction before {};
        sigaction(signal, &action, &before);
        // A signal the caller ignores (nohup, a background job) stays ignored.
        if (before.sa_handler == SIG_IGN) sigaction(signal, &before, nullptr);
    }
}

void ignoreWriteSignals() {
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
}

bool stopRequested() { return stopSignals != 0; }

void setTemporaryFiles(const std::vector<std::string>& paths) {
    auto list = std::make_unique<TemporaryList>();
    list->paths = paths;
    for (const std::string& path : list->paths) list->names.push_back(path.c_str());
    published.store(list.get());
    allLists().push_back(std::move(list));
}

void stopAtOnce() { atOnce = 1; }

void holdStopSignals() {
    sigset_t held;
    sigemptyset(&held);
    for (const int signal : kStopSignals) sigaddset(&held, signal);
    sigprocmask(SIG_BLOCK, &held, nullptr);
}

void removeTemporaryFiles() { unlinkPublished(); }

}  // namespace tw::cli
