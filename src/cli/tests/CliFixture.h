#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <filesystem>
#include <fstream>
#include <string>

namespace kvd::test {

namespace fs = std::filesystem;

struct Finished {
    int status;
    std::string out;
    std::string errors;
};

// kvd270-cli as a user runs it; read and write against kvd270-sim on a real pseudo-terminal.
class CliTest : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() /
                   ("kvd-cli-" + std::to_string(QCoreApplication::applicationPid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
    QProcess sim;
    QString device;

    void SetUp() override { fs::create_directories(dir / "config"); }
    void TearDown() override {
        sim.terminate();
        sim.waitForFinished();
        fs::remove_all(dir);
    }

    void StartSim(QStringList options) {
        sim.start(KVD_SIM, options);
        ASSERT_TRUE(sim.waitForReadyRead(5000));
        device = sim.readLine().trimmed();
        ASSERT_TRUE(device.startsWith("/dev/")) << device.toStdString();
    }
    // Reads the simulator's report lines until one starts with `prefix`.
    bool SimSays(const QByteArray& prefix) {
        while (sim.canReadLine() || sim.waitForReadyRead(5000)) {
            if (sim.readLine().startsWith(prefix)) {
                return true;
            }
        }
        return false;
    }
    // Started in the test's folder; backups go there too.
    void StartCli(QProcess& cli, const QStringList& args) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", Path("data"));
        cli.setProcessEnvironment(env);
        cli.setWorkingDirectory(QString::fromStdString(dir.string()));
        cli.start(KVD_CLI, args);
    }
    static Finished Wait(QProcess& cli) {
        if (!cli.waitForFinished(20000)) {
            cli.kill();  // hung
            cli.waitForFinished();
            return {-1, {}, {}};
        }
        return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
                cli.readAllStandardOutput().toStdString(),
                cli.readAllStandardError().toStdString()};
    }
    Finished Cli(QStringList args) const {
        QProcess cli;
        StartCli(cli, args);
        return Wait(cli);
    }
    static std::string ReadAll(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    QString Path(const char* name) const { return QString::fromStdString((dir / name).string()); }
};

}  // namespace kvd::test
