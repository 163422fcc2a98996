#include "Processes.h"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <csignal>

namespace kvd::test {

Child::Child(const std::vector<std::string>& argv) {
    int out[2], err[2];
    if (::pipe(out) != 0 || ::pipe(err) != 0) {
        return;
    }
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(err[1], STDERR_FILENO);
        for (int fd : {out[0], out[1], err[0], err[1]}) {
            ::close(fd);
        }
        std::vector<char*> args;
        for (const std::string& a : argv) {
            args.push_back(const_cast<char*>(a.c_str()));
        }
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    ::close(out[1]);
    ::close(err[1]);
    out_ = out[0];
    err_ = err[0];
}

Child::~Child() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        Wait();
    }
    for (int fd : {out_, err_}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

std::string Child::ReadLine(int timeoutMs) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (pending_.find('\n') == std::string::npos) {
        int left = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                        deadline - std::chrono::steady_clock::now())
                                        .count());
        pollfd p{out_, POLLIN, 0};
        if (left <= 0 || ::poll(&p, 1, left) <= 0) {
            return {};
        }
        char buffer[256];
        ssize_t n = ::read(out_, buffer, sizeof buffer);
        if (n <= 0) {
            return {};
        }
        pending_.append(buffer, static_cast<std::size_t>(n));
    }
    std::size_t end = pending_.find('\n');
    std::string line = pending_.substr(0, end);
    pending_.erase(0, end + 1);
    return line;
}

bool Child::WaitForLine(const std::string& prefix, int timeoutMs) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        std::string line = ReadLine(timeoutMs);
        if (line.rfind(prefix, 0) == 0) {
            return true;
        }
        if (line.empty()) {
            return false;
        }
    }
    return false;
}

int Child::Wait() {
    if (pid_ <= 0) {
        return -1;
    }
    char buffer[512];
    ssize_t n;
    while ((n = ::read(err_, buffer, sizeof buffer)) > 0) {
        errors_.append(buffer, static_cast<std::size_t>(n));
    }
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

Finished RunToEnd(const std::vector<std::string>& argv) {
    Child child(argv);
    int status = child.Wait();
    return {status, child.errors()};
}

}  // namespace kvd::test
