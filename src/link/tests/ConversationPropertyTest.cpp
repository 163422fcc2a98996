#include <gtest/gtest.h>

#include <random>

#include "ConversationScript.h"

namespace kvd {
namespace {

// Decision streams in the script's own format, with per-run weights so that some runs are
// calm (whole conversations complete) and others stormy (time-outs, breaks, stray bytes).
std::vector<std::uint8_t> RandomScript(std::mt19937& random) {
    auto byte = [&random] { return static_cast<std::uint8_t>(random() & 0xFF); };
    std::array<int, 12> weights{};
    for (int& w : weights) {
        w = static_cast<int>(random() % 10);
    }
    weights[4] += 20;  // replies arrive more often than anything else goes wrong
    weights[0] += 1;
    std::discrete_distribution<int> pick(weights.begin(), weights.end());
    std::vector<std::uint8_t> script;
    const int steps = 50 + static_cast<int>(random() % 1500);
    for (int i = 0; i < steps; ++i) {
        int op = pick(random);
        script.push_back(static_cast<std::uint8_t>(op));
        switch (op) {
            case 0: {
                script.push_back(byte() & 0x05);  // the port is mostly open
                std::uint8_t fault = byte();
                script.push_back(fault);
                if (fault % 4 == 0) {
                    for (int k = 0; k < 4; ++k) {
                        script.push_back(byte());
                    }
                }
                script.push_back(byte());
                break;
            }
            case 5: {
                std::uint8_t length = byte() % 12;
                script.push_back(length);
                for (int k = 0; k < length; ++k) {
                    script.push_back(random() % 4 ? 0x06 : byte());
                }
                break;
            }
            case 1:
            case 2:
            case 3:
            case 10:
            case 11:
                script.push_back(byte());
                break;
            default:
                break;
        }
    }
    return script;
}

TEST(ConversationPropertyTest, RandomEventsKeepEveryRule) {
    std::mt19937 random(2024);
    int reads = 0, writes = 0, ended = 0;
    for (int run = 0; run < 1500; ++run) {
        std::vector<std::uint8_t> script = RandomScript(random);
        test::ConversationScript play(script);
        std::vector<std::string> broken = play.Run();
        ASSERT_TRUE(broken.empty()) << "run " << run << ": " << broken.front();
        reads += play.readsCompleted();
        writes += play.writesCompleted();
        ended += play.conversationsEnded();
    }
    // The runs reach the ends of whole conversations, not just their first steps.
    EXPECT_GT(reads, 20);
    EXPECT_GT(writes, 20);
    EXPECT_GT(ended, 1000);
    std::printf("%d conversations ended, %d reads and %d writes completed\n", ended, reads, writes);
}

TEST(ConversationPropertyTest, ArbitraryBytesAsScript) {
    std::mt19937 random(99);
    for (int run = 0; run < 3000; ++run) {
        std::vector<std::uint8_t> script(random() % 600);
        for (auto& b : script) {
            b = static_cast<std::uint8_t>(random());
        }
        std::vector<std::string> broken = test::ConversationScript(script).Run();
        ASSERT_TRUE(broken.empty()) << "run " << run << ": " << broken.front();
    }
}

}  // namespace
}  // namespace kvd
