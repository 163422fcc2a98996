// A whole read, a whole write, and a write with its backup read before and check read after
// (three conversations) against the paced virtual radio (kvd270-sim --pace), each compared
// with the line's physical minimum: every byte of the conversations, both ways, at 1/960 s
// (9600 baud, 8N1). Also the program's CPU time for a read, and kvd270-cli read and write as
// whole processes.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "image/Backups.h"
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

// One command from its start to its last frame; then waits for the lock's release.
Sample Converse(link::SerialLink& serial, CountingPort& port, const std::function<void()>& start) {
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
    start();
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
        "%s\n  %5ld bytes  line minimum %7.1f ms  best %7.1f ms (ratio %.3f)  median %7.1f ms "
        "(ratio %.3f)\n",
        name, best.bytes, minimum, best.wallMs, best.wallMs / minimum, median.wallMs,
        median.wallMs / minimum);
}

void ReportCpu(std::vector<Sample> samples) {
    std::sort(samples.begin(), samples.end(), [](auto& x, auto& y) { return x.cpuMs < y.cpuMs; });
    std::printf("program CPU time for a read (user + system): best %.1f ms, median %.1f ms\n",
                samples.front().cpuMs, samples[samples.size() / 2].cpuMs);
}

// kvd270-cli as a whole process (start-up, conversations, files), its backups in `data`.
void MeasureCli(const char* name, std::vector<const char*> args, const std::string& data) {
    args.insert(args.begin(), KVD_CLI);
    args.push_back(nullptr);
    QElapsedTimer clock;
    clock.start();
    pid_t pid = ::fork();
    if (pid == 0) {
        ::setenv("XDG_DATA_HOME", data.c_str(), 1);
        ::dup2(::open("/dev/null", O_WRONLY), STDERR_FILENO);
        ::execv(KVD_CLI, const_cast<char**>(args.data()));
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    const double wall = clock.nsecsElapsed() / 1e6;
    auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    std::printf("kvd270-cli %s, whole process: exit %d, wall %.1f ms, CPU %.1f ms\n", name,
                WIFEXITED(status) ? WEXITSTATUS(status) : -1, wall,
                ms(usage.ru_utime) + ms(usage.ru_stime));
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
    char folder[] = "/tmp/kvd-bench-XXXXXX";
    if (!::mkdtemp(folder)) {
        return 1;
    }
    const std::filesystem::path backups = std::filesystem::path(folder) / "backups";
    serial.setBackupHandler(
        [&](const RadioState& radio) { return bool(Backups::Save(backups, radio).result); });
    std::vector<Sample> reads, writes, checked;
    for (int i = 0; i < kRounds; ++i) {
        reads.push_back(Converse(serial, port, [&] { serial.Start(link::Mode::Read); }));
        writes.push_back(Converse(serial, port, [&] { serial.Start(link::Mode::Write); }));
        checked.push_back(Converse(serial, port, [&] { serial.StartWrite({}); }));
    }
    Report("read", reads);
    Report("write", writes);
    Report("write with backup and check", checked);
    ReportCpu(reads);
    port.close();
    const std::string file = std::string(folder) + "/RADIO.DAT";
    MeasureCli("read", {"read", "--port", sim.device.c_str(), "--out", file.c_str()}, folder);
    MeasureCli("write (backup, write, check)",
               {"write", "--port", sim.device.c_str(), file.c_str()}, folder);
    std::filesystem::remove_all(folder);
    return 0;
}
