#include "cli/LinkSession.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

#include "cli/Command.h"
#include "cli/Interruption.h"
#include "image/Backups.h"
#include "image/RadioState.h"
#include "link/qt/BackupLocation.h"
#include "link/qt/SerialLink.h"
#include "link/qt/SerialPort.h"
#include "texts/TextIds.h"

namespace kvd::cli {

namespace Id = TextIds::cli;

namespace {

constexpr int kBarWidth = 40;
constexpr int kInterruptionPollMs = 20;

bool gBarShown = false;  // a progress bar stands on the last line of standard error

void DrawProgress(bool visible, int value) {
    if (!visible) {
        ClearProgress();
        return;
    }
    gBarShown = true;
    int filled = value * kBarWidth / link::Conversation::kProgressMaximum;
    std::fprintf(stderr, "\r[%s%s] %3d/%d", std::string(filled, '#').c_str(),
                 std::string(kBarWidth - filled, '.').c_str(), value,
                 link::Conversation::kProgressMaximum);
}

}  // namespace

void ClearProgress() {
    if (gBarShown) {
        std::fprintf(stderr, "\r%*s\r", kBarWidth + 12, "");
        gBarShown = false;
    }
}

link::Outcome LinkSession::Run(link::Mode mode, RadioState& state) const {
    return converse(
        state, [mode](link::SerialLink& serial) { serial.Start(mode); }, nullptr);
}

link::Outcome LinkSession::RunWrite(const WriteSteps& steps, RadioState& state,
                                    link::Step& lastStep) const {
    return converse(
        state,
        [&steps](link::SerialLink& serial) {
            serial.setBackupHandler(steps.keepBackup);
            serial.setConfirmHandler(steps.confirm);
            if (steps.started) {
                QObject::connect(&serial, &link::SerialLink::stepStarted, steps.started);
            }
            if (steps.changes) {
                QObject::connect(&serial, &link::SerialLink::writeChanges, steps.changes);
            }
            if (steps.checked) {
                QObject::connect(&serial, &link::SerialLink::writeChecked, steps.checked);
            }
            serial.StartWrite(steps.checks);
        },
        &lastStep);
}

link::Outcome LinkSession::converse(RadioState& state,
                                    const std::function<void(link::SerialLink&)>& start,
                                    link::Step* lastStep) const {
    static int argc = 1;
    static char name[] = "kvd270-cli";
    static char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    link::SerialPort port;
    link::OpenResult opened = port.open(device);
    if (!opened.ok) {
        Fail(link::PortFailureStatus(device, opened.reason, opened.problem()),
             state.flags.Language);
    }
    link::SerialLink serial(state, port);
    const bool yes = answerYes;
    serial.setMessageHandler([yes](const QString& text, int style) {
        const bool question = MessageBoxStyle::AsksYesNo(style);
        ClearProgress();
        const UserText shown = UserText::Verbatim(text.toStdString());
        const std::string line =
            question ? Say(UserText(yes ? Id::answeredYes : Id::answeredNo, {shown})) : Say(shown);
        std::fprintf(stderr, "%s\n", line.c_str());
        return question ? (yes ? MessageBoxStyle::kIdYes : MessageBoxStyle::kIdNo)
                        : MessageBoxStyle::kIdOk;
    });
    if (isatty(STDERR_FILENO)) {
        QObject::connect(&serial, &link::SerialLink::progressChanged, &DrawProgress);
    }
    link::Outcome outcome = link::Outcome::PortNotOpen;
    bool done = false;
    QObject::connect(&serial, &link::SerialLink::ended, [&](link::Outcome o) {
        outcome = o;
        done = true;
        app.quit();
    });
    // Ctrl+C is acted on between frames: "E" ends the conversation, the radio's programming
    // mode with it.
    Interruption interruption;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (Interruption::requested()) {
            watch.stop();
            serial.Interrupt();
        }
    });
    watch.start(kInterruptionPollMs);
    start(serial);
    if (!done) {
        app.exec();  // the conversation always ends: by its last frame or by the reply time-out
    }
    port.close();
    if (lastStep) {
        *lastStep = serial.sequence().step();
    }
    return outcome;
}

bool KeepBackup(const RadioState& radio) {
    ClearProgress();
    Backups::Saved kept = Backups::Save(link::BackupFolder(), radio);
    if (kept.result) {
        std::fprintf(stderr, "%s\n", Say({Id::backup, {PathText(kept.path.string())}}).c_str());
    } else {
        Fail({Id::noBackup, {FileProblem(kept.result)}});
    }
    return static_cast<bool>(kept.result);
}

bool TakeLinkOption(const std::vector<std::string>& args, std::size_t& i, LinkArguments& out,
                    std::optional<UserText>& error) {
    const std::string& a = args[i];
    if (a != "--port" && a != "--lang") {
        return false;
    }
    if (i + 1 >= args.size()) {
        error = UserText(Id::needsValue, {UserText::Verbatim(a)});
        return true;
    }
    const std::string& value = args[++i];
    if (a == "--port") {
        out.port = value;
    } else if (value == "en" || value == "zh") {
        out.language = value == "zh" ? kChinese : kEnglish;
    } else {
        error = UserText(Id::language, {Quoted(value)});
    }
    return true;
}

}  // namespace kvd::cli
