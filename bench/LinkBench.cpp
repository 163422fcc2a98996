// A whole read and a whole write against the paced virtual radio (kvd270-sim --pace), each
// compared with the line's physical minimum: every byte of the conversation, both ways, at
// 1/960 s (9600 baud, 8N1). Also the program's CPU time for a read.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "image/RadioState.h"
#include "link/qt/SerialLink.h"
#include "link/qt/SerialPort.h"

using namespace kvd;

namespace {

constexpr int kRounds = 5;
constexpr double kByteMs = 1000.0 / 960.0;

// The serial port, counting the bytes it moves.
class CountingPort : public link::SerialPort {
public:
    CountingPort() {
        connect(this, &LinkPort::received, [this](const QByteArray& b) { received += b.size(); });
    }
    bool writeByte(std::uint8_t byte, int timeoutMs) override {
        ++sent;
        return SerialPort::writeByte(byte, timeoutMs);
    }
    long sent = 0;
    long received = 0;
};

struct Simulator {
    pid_t pid = -1;
    std::string device;

    explicit Simulator(const char* path) {
        int out[2];
        if (::pipe(out) != 0) {
            return;
        }
        pid = ::fork();
        if (pid == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            ::execl(path, path, "--pace", "--band-code", "33", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(out[1]);
        char c;
        while (::read(out[0], &c, 1) == 1 && c != '\n') {
            device += c;
        }
        ::close(out[0]);
    }
    ~Simulator() {
        if (pid > 0) {
            ::kill(pid, SIGTERM);
            ::waitpid(pid, nullptr, 0);
        }
    }
};

double CpuMs() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct Sample {
    double wallMs;
    double cpuMs;
    long bytes;
};

// One conversation from the command to its last frame; then waits for the lock's release.
Sample Converse(link::SerialLink& serial, CountingPort& port, link::Mode mode) {
    port.sent = port.received = 0;
    bool ended = false, released = false;
    auto a = QObject::connect(&serial, &link::SerialLink::ended, [&](link::Outcome o) {
        ended = true;
        if (!link::Succeeded(o)) {
            std::fprintf(stderr, "conversation failed\n");
        }
    });
    auto b = QObject::connect(&serial, &link::SerialLink::lockReleased, [&] { released = true; });
    QElapsedTimer clock;
    const double cpu = CpuMs();
    clock.start();
    serial.Start(mode);
    while (!ended) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    Sample s{clock.nsecsElapsed() / 1e6, CpuMs() - cpu, port.sent + port.received};
    while (!released) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QObject::disconnect(a);
    QObject::disconnect(b);
    return s;
}

void Report(const char* name, std::vector<Sample> samples) {
    std::sort(samples.begin(), samples.end(), [](auto& x, auto& y) { return x.wallMs < y.wallMs; });
    const double minimum = samples.front().bytes * kByteMs;
    const Sample& best = samples.front();
    const Sample& median = samples[samples.size() / 2];
    std::printf(
        "%-6s %5ld bytes  line minimum %7.1f ms  best %7.1f ms (ratio %.3f)  median %7.1f ms "
        "(ratio %.3f)\n",
        name, best.bytes, minimum, best.wallMs, best.wallMs / minimum, median.wallMs,
        median.wallMs / minimum);
}

void ReportCpu(std::vector<Sample> samples) {
    std::sort(samples.begin(), samples.end(), [](auto& x, auto& y) { return x.cpuMs < y.cpuMs; });
    std::printf("program CPU time for a read (user + system): best %.1f ms, median %.1f ms\n",
                samples.front().cpuMs, samples[samples.size() / 2].cpuMs);
}

// kvd270-cli read as a whole process: start-up, conversation, save.
void MeasureCli(const std::string& device) {
    char out[] = "/tmp/kvd-bench-XXXXXX";
    int fd = ::mkstemp(out);
    ::close(fd);
    QElapsedTimer clock;
    clock.start();
    pid_t pid = ::fork();
    if (pid == 0) {
        ::execl(KVD_CLI, KVD_CLI, "read", "--port", device.c_str(), "--out", out,
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    const double wall = clock.nsecsElapsed() / 1e6;
    auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    std::printf("kvd270-cli read, whole process: exit %d, wall %.1f ms, CPU %.1f ms\n",
                WIFEXITED(status) ? WEXITSTATUS(status) : -1, wall,
                ms(usage.ru_utime) + ms(usage.ru_stime));
    ::unlink(out);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Simulator sim(KVD_SIM);
    if (sim.device.empty()) {
        std::fprintf(stderr, "kvd270-sim did not start\n");
        return 1;
    }
    RadioState state;
    state.flags.Language = kEnglish;
    ApplyStartupDefaults(state);
    CountingPort port;
    if (!port.open(sim.device).ok) {
        std::fprintf(stderr, "cannot open %s\n", sim.device.c_str());
        return 1;
    }
    link::SerialLink serial(state, port);

    std::printf(
        "serial link against kvd270-sim --pace (9600 baud 8N1, %.4f ms a byte), %d rounds\n",
        kByteMs, kRounds);
    std::vector<Sample> reads, writes;
    for (int i = 0; i < kRounds; ++i) {
        reads.push_back(Converse(serial, port, link::Mode::Read));
        writes.push_back(Converse(serial, port, link::Mode::Write));
    }
    Report("read", reads);
    Report("write", writes);
    ReportCpu(reads);
    port.close();
    MeasureCli(sim.device);
    return 0;
}
