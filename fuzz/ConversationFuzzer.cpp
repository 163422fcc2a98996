// Arbitrary bytes as a script of conversation events (starts, replies, stray bytes, breaks,
// timers, band answers, failed writes); any broken rule of the protocol aborts.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "ConversationScript.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kvd::test::ConversationScript script(std::span<const std::uint8_t>(data, size));
    for (const std::string& broken : script.Run()) {
        std::fprintf(stderr, "broken rule: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
