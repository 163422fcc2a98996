#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "link/LinkDriver.h"
#include "link/qt/LinkPort.h"

#include "image/RadioState.h"

namespace kvd::link {

// Joins the conversation to a port and two timers, and to the program's state: what a read
// brings is decoded into the state, a write encodes the state. Everything the window shows
// (status line, progress, lock) comes out as signals; messages go to a pluggable handler so
// the window can show its localized message box and the command line can answer by itself.
class SerialLink : public QObject, public LinkDriver {
    Q_OBJECT
public:
    struct Timing {
        int replyMs = Conversation::kReplyTimeoutMs;
        int blinkMs = Conversation::kBlinkIntervalMs;
        int writeMs = 1000;  // one byte's write must complete within this
    };
    // Shows a message (text in the current language, message-box style) and gives the button
    // pressed (MessageBoxStyle::kIdOk, kIdYes, kIdNo). Modal: the conversation waits for it.
    using MessageHandler = std::function<int(const QString& text, int style)>;
    // Keeps what the radio held before a write (a backup file); false when it could not,
    // and then nothing is written. Without a handler nothing is kept.
    using BackupHandler = std::function<bool(const RadioState& radio)>;
    // Whether to write, the changes shown (none without a backup read). Modal. Without a
    // handler the answer is No.
    using ConfirmHandler = std::function<bool(const WriteComparison* changes)>;

    SerialLink(RadioState& state, LinkPort& port, Timing timing, QObject* parent = nullptr);
    SerialLink(RadioState& state, LinkPort& port, QObject* parent = nullptr)
        : SerialLink(state, port, Timing(), parent) {}

    void setMessageHandler(MessageHandler handler) { messages_ = std::move(handler); }
    void setBackupHandler(BackupHandler handler) { backups_ = std::move(handler); }
    void setConfirmHandler(ConfirmHandler handler) { confirm_ = std::move(handler); }

    // The port menu's item n (1..8): closes the port, opens the device behind item n (see
    // PortNames) and on success makes n the state's PortNumber. A failure shows the port
    // message and leaves PortNumber as it was; either way portStatus tells what happened.
    OpenResult SelectPort(int n, const std::filesystem::path& configFolder);
    // At start-up: SelectPort for a stored number 1..8, nothing for any other.
    void RestorePort(int n, const std::filesystem::path& configFolder);

    // A read whose result the state does not take: radioRead gives it instead (Compare with
    // radio). Refused, as Start is, while a conversation runs.
    void StartReadApart();

    LinkPort& port() { return port_; }

signals:
    void statusTextChanged(const QString& text);
    void statusVisibleChanged(bool visible);
    void progressChanged(bool visible, int value);
    void lockEngaged(kvd::link::Mode mode);
    void lockReleased();
    void commitEditsRequested();                   // a cell edit in progress must be finished now
    void readApplied();                            // the state now holds what the radio had
    void radioRead(const kvd::RadioState& radio);  // what a read apart found
    void ended(kvd::link::Outcome outcome);
    // A write with checks: each conversation as it begins, the changes the write will make
    // (what the radio holds now against what will be written), and after the check read
    // what was written against what the radio holds.
    void stepStarted(kvd::link::Step step);
    void writeChanges(const kvd::link::WriteComparison& changes);
    void writeChecked(const kvd::link::WriteComparison& check);
    void portStatus(const QString& text);  // the device behind the port, or why it failed
    void portLost(const QString& status);  // the open port went away, and the status to show

protected:
    bool portOpen() const override { return port_.isOpen(); }
    WriteResult writeFrame(std::span<const std::uint8_t> frame) override;
    int showMessage(TextId text, int style) override;
    bool keepBackup(std::span<const std::uint8_t> image, int band) override;
    bool confirmWrite(const WriteComparison* changes) override;
    void perform(const Action& action) override;

private:
    QString local(const UserText& text) const;
    void lost();
    int ask(const QString& text, int style);

    RadioState& state_;
    LinkPort& port_;
    Timing timing_;
    QTimer reply_;
    QTimer blink_;
    MessageHandler messages_;
    BackupHandler backups_;
    ConfirmHandler confirm_;
    bool readApart_ = false;  // the read under way is StartReadApart's
};

}  // namespace kvd::link
