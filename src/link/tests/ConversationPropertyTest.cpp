#include <gtest/gtest.h>

#include <random>

#include "ConversationScript.h"

namespace kvd {
namespace {

// Random decision streams; besides keeping every rule, the runs must reach the ends of whole
// reads and writes, not just their first steps.
TEST(ConversationPropertyTest, RandomEventsKeepEveryRule) {
    std::mt19937 random(2024);
    int reads = 0, writes = 0, ended = 0;
    for (int run = 0; run < 10000; ++run) {
        std::vector<std::uint8_t> script(random() % 600);
        for (auto& b : script) {
            b = static_cast<std::uint8_t>(random());
        }
        test::ConversationScript play(script);
        const std::vector<std::string> broken = play.Run();
        ASSERT_TRUE(broken.empty()) << "run " << run << ": " << broken.front();
        reads += play.readsCompleted();
        writes += play.writesCompleted();
        ended += play.conversationsEnded();
    }
    EXPECT_GT(reads, 60);
    EXPECT_GT(writes, 30);
    EXPECT_GT(ended, 10000);
    std::printf("%d conversations ended, %d reads and %d writes completed\n", ended, reads, writes);
}

}  // namespace
}  // namespace kvd
