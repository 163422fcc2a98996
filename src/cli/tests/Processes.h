#pragma once

#include <sys/types.h>
#include <string>
#include <vector>

namespace kvd::test {

// A program started by a test, with its standard output and error on pipes.
class Child {
public:
    explicit Child(const std::vector<std::string>& argv);
    ~Child();  // stops it (SIGTERM) if it still runs
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // The next line of standard output; empty after timeoutMs or at its end.
    std::string ReadLine(int timeoutMs = 5000);
    // Reads standard output until a line starting with `prefix` (or the time runs out).
    bool WaitForLine(const std::string& prefix, int timeoutMs = 10000);
    // Waits for the end; gives the exit status (or -1) and collects standard error.
    int Wait();
    const std::string& errors() const { return errors_; }

private:
    pid_t pid_ = -1;
    int out_ = -1;
    int err_ = -1;
    std::string pending_;
    std::string errors_;
};

// Runs a program to its end: exit status and standard error.
struct Finished {
    int status;
    std::string errors;
};
Finished RunToEnd(const std::vector<std::string>& argv);

}  // namespace kvd::test
