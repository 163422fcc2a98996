#pragma once

namespace kvd::cli {

// Ctrl+C (SIGINT) and SIGTERM while it lives: the handler only notes the signal, and the
// event loop asks `requested` between frames, so a conversation can still end with "E". A
// second signal ends the program at once, as it would have without this.
class Interruption {
public:
    Interruption();
    ~Interruption();
    Interruption(const Interruption&) = delete;
    Interruption& operator=(const Interruption&) = delete;

    static bool requested();
};

}  // namespace kvd::cli
