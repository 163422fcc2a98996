#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace kvd::bench {

// Runs work `iterations` times per round for several rounds and prints the best and median
// time per iteration; the best round is the one least disturbed by the rest of the machine.
template <typename Fn>
void Measure(const char* name, int iterations, Fn&& work, int rounds = 7) {
    std::vector<double> perIteration;
    for (int round = 0; round < rounds; ++round) {
        auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < iterations; ++i) {
            work();
        }
        std::chrono::duration<double, std::micro> elapsed =
            std::chrono::steady_clock::now() - start;
        perIteration.push_back(elapsed.count() / iterations);
    }
    std::sort(perIteration.begin(), perIteration.end());
    std::printf("%-28s best %9.2f us   median %9.2f us   (%d x %d runs)\n", name,
                perIteration.front(), perIteration[perIteration.size() / 2], rounds, iterations);
}

// Keeps the compiler from dropping a result.
template <typename T>
void Keep(const T& value) {
    asm volatile("" : : "g"(&value) : "memory");
}

}  // namespace kvd::bench
