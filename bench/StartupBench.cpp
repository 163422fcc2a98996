// Time from process start to the main window shown, measured from outside: the bench starts
// itself as a child that runs the program and reports when the window is on screen. Beside
// it, in the same run, a bare Qt window with a 17 x 9 table, as a yardstick of what any Qt
// program of this size takes.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <QApplication>
#include <QMainWindow>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include "app/Application.h"
#include "shell/MainWindow.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

long long NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

// Once the window is exposed (and so painted) writes the times of main() and of that moment,
// then closes the window, which ends the child.
void ReportWhenShown(QWidget& window, int reportFd, long long mainEntered) {
    auto* check = new QTimer(&window);
    check->setInterval(0);
    QObject::connect(check, &QTimer::timeout, &window, [&window, check, reportFd, mainEntered] {
        if (!window.windowHandle() || !window.windowHandle()->isExposed()) {
            return;
        }
        check->stop();
        const std::string report =
            std::to_string(mainEntered) + " " + std::to_string(NowNs()) + "\n";
        if (write(reportFd, report.data(), report.size()) < 0) {
            std::perror("report");
        }
        window.close();
    });
    check->start();
}

// Child: the program.
int RunChild(int reportFd, int argc, char** argv) {
    const long long mainEntered = NowNs();
    QTemporaryDir folder;
    kvd::gui::RunOptions options;
    options.configFolder = folder.path();
    options.afterShow = [&](kvd::gui::MainWindow& window) {
        ReportWhenShown(window, reportFd, mainEntered);
    };
    return kvd::gui::RunProgram(argc, argv, options);
}

// Child: a bare Qt window holding a 17 x 9 table of texts, nothing else.
int RunBare(int reportFd, int argc, char** argv) {
    const long long mainEntered = NowNs();
    QApplication app(argc, argv);
    QMainWindow window;
    auto* table = new QTableWidget(17, 9, &window);
    for (int row = 0; row < 17; ++row) {
        for (int column = 0; column < 9; ++column) {
            table->setItem(row, column, new QTableWidgetItem(QStringLiteral("145.00000")));
        }
    }
    window.setCentralWidget(table);
    window.show();
    ReportWhenShown(window, reportFd, mainEntered);
    return QApplication::exec();
}

struct Run {
    double toMain;   // ms from spawning to main()
    double toShown;  // ms from spawning to the window on screen
};

bool SpawnOnce(const char* self, const char* mode, Run& run) {
    int fds[2];
    if (pipe(fds) != 0) {
        return false;
    }
    std::string fd = std::to_string(fds[1]);
    char* args[] = {const_cast<char*>(self), const_cast<char*>(mode), fd.data(), nullptr};
    const long long started = NowNs();
    // The child's platform chatter would drown the figures.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return false;
    }
    close(fds[1]);
    char buffer[128] = {};
    const ssize_t got = read(fds[0], buffer, sizeof buffer - 1);
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    long long mainEntered = 0;
    long long shown = 0;
    if (got <= 0 || std::sscanf(buffer, "%lld %lld", &mainEntered, &shown) != 2) {
        return false;
    }
    run = {(mainEntered - started) / 1e6, (shown - started) / 1e6};
    return true;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Figures {
    std::vector<double> toMain;
    std::vector<double> toShown;
};

void Print(const char* what, const Figures& figures) {
    std::printf(
        "  %-34s best %8.1f ms   median %8.1f ms\n", (std::string(what) + ", to main()").c_str(),
        *std::min_element(figures.toMain.begin(), figures.toMain.end()), Median(figures.toMain));
    std::printf(
        "  %-34s best %8.1f ms   median %8.1f ms\n", (std::string(what) + ", to shown").c_str(),
        *std::min_element(figures.toShown.begin(), figures.toShown.end()), Median(figures.toShown));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) {
        return RunChild(std::atoi(argv[2]), 1, argv);
    }
    if (argc >= 3 && std::strcmp(argv[1], "--bare") == 0) {
        return RunBare(std::atoi(argv[2]), 1, argv);
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);  // a display, when one is chosen, is kept
    constexpr int kRuns = 15;
    Figures program;
    Figures bare;
    // In turns, so both meet the machine in the same state.
    for (int i = 0; i < kRuns; ++i) {
        for (auto [mode, figures] : {std::pair{"--child", &program}, {"--bare", &bare}}) {
            Run run{};
            if (!SpawnOnce(argv[0], mode, run)) {
                std::fprintf(stderr, "run %d (%s) failed\n", i, mode);
                return 1;
            }
            figures->toMain.push_back(run.toMain);
            figures->toShown.push_back(run.toShown);
        }
    }
    std::printf("start-up, process start to window shown (platform %s, %d runs each)\n",
                std::getenv("QT_QPA_PLATFORM"), kRuns);
    Print("the program", program);
    Print("a bare Qt window, 17x9 table", bare);
    std::printf("  program / bare window, medians to shown: %.2f   (target < 2; < 300 ms)\n",
                Median(program.toShown) / Median(bare.toShown));
    return 0;
}
