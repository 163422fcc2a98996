#pragma once

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include "ShellTestSupport.h"
#include "shell/LinkCommands.h"

namespace kvd::gui::test {

// The virtual radio, linked as COM1 into the run's configuration folder.
struct SimRadio {
    SimRadio(const ShellRun& run, QStringList options) {
        process.start(KVD_SIM, options << "--link" << QDir(run.folder()).filePath("COM1"));
        [&] { QVERIFY(says("/dev/")); }();
    }
    ~SimRadio() {
        process.kill();
        process.waitForFinished(2000);
    }
    // Reads the radio's report lines until one starts with `prefix`.
    bool says(const QByteArray& prefix) {
        while (process.canReadLine() || process.waitForReadyRead(5000)) {
            if (process.readLine().startsWith(prefix)) {
                return true;
            }
        }
        return false;
    }
    QProcess process;
};

// Runs a menu item's conversations to their end; PortNotOpen when none ended in time.
inline link::Outcome Converse(MainWindow& window, const char* item) {
    QSignalSpy ended(window.findChild<LinkCommands*>(), &LinkCommands::conversationEnded);
    MenuItem(window, item)->trigger();
    if (ended.isEmpty() && !ended.wait(20000)) {
        return link::Outcome::PortNotOpen;
    }
    return ended.first().first().value<link::Outcome>();
}

}  // namespace kvd::gui::test
