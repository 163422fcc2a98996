#include "cli/Interruption.h"

#include <csignal>

namespace kvd::cli {

namespace {

volatile std::sig_atomic_t noted = 0;

extern "C" void Note(int) {
    noted = 1;
}

constexpr int kSignals[] = {SIGINT, SIGTERM};

#ifdef _WIN32
void (*previous[2])(int) = {};
#else
struct sigaction previous[2] = {};
#endif

}  // namespace

Interruption::Interruption() {
    noted = 0;
    for (int i = 0; i < 2; ++i) {
#ifdef _WIN32
        previous[i] = std::signal(kSignals[i], Note);  // reset to the default when called
#else
        struct sigaction action {};
        action.sa_handler = Note;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESETHAND | SA_RESTART;
        sigaction(kSignals[i], &action, &previous[i]);
#endif
    }
}

Interruption::~Interruption() {
    for (int i = 0; i < 2; ++i) {
#ifdef _WIN32
        std::signal(kSignals[i], previous[i]);
#else
        sigaction(kSignals[i], &previous[i], nullptr);
#endif
    }
}

bool Interruption::requested() {
    return noted != 0;
}

}  // namespace kvd::cli
