#include "link/qt/SerialLink.h"

#include "catalogue/Catalogue.h"
#include "image/RadioState.h"
#include "link/LinkTexts.h"
#include "link/PortNames.h"

namespace kvd::link {

SerialLink::SerialLink(RadioState& state, LinkPort& port, Timing timing, QObject* parent)
    : QObject(parent), LinkDriver(HooksFor(state)), state_(state), port_(port), timing_(timing) {
    // Coarse timers may fire 5 % early; the time-out is measured from the last frame.
    reply_.setTimerType(Qt::PreciseTimer);
    blink_.setTimerType(Qt::PreciseTimer);
    reply_.setSingleShot(true);
    blink_.setInterval(timing_.blinkMs);
    connect(&reply_, &QTimer::timeout, this, [this] { ReplyTimerExpired(); });
    connect(&blink_, &QTimer::timeout, this, [this] { BlinkTick(); });
    connect(&port_, &LinkPort::received, this, [this](const QByteArray& bytes) {
        Receive(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                          static_cast<std::size_t>(bytes.size())));
    });
    connect(&port_, &LinkPort::breakDetected, this, [this] { Break(); });
    connect(&port_, &LinkPort::lost, this, &SerialLink::lost);
}

// A conversation under way finds the port closed and ends by its time-out.
void SerialLink::lost() {
    emit portLost(local(PortLostStatus(state_.flags.PortNumber)));
}

QString SerialLink::local(const UserText& text) const {
    return QString::fromStdString(TextIn(text, state_.flags.Language));
}

int SerialLink::ask(const QString& text, int style) {
    if (messages_) {
        return messages_(text, style);
    }
    return MessageBoxStyle::AsksYesNo(style) ? MessageBoxStyle::kIdNo : MessageBoxStyle::kIdOk;
}

LinkDriver::WriteResult SerialLink::writeFrame(std::span<const std::uint8_t> frame) {
    if (!port_.isOpen()) {
        return WriteResult::PortGone;
    }
    for (std::uint8_t byte : frame) {
        if (!port_.writeByte(byte, timing_.writeMs)) {
            return WriteResult::Failed;
        }
    }
    return WriteResult::Written;
}

int SerialLink::showMessage(TextId text, int style) {
    return ask(local(text), style);
}

bool SerialLink::keepBackup(std::span<const std::uint8_t> image, int band) {
    return backups_ && backups_(StateOfRead(image, band, state_.flags.Language));
}

bool SerialLink::confirmWrite(const WriteComparison* changes) {
    return confirm_ && confirm_(changes);
}

void SerialLink::perform(const Action& a) {
    switch (a.kind) {
        case Action::StartReplyTimer:
            // The usual time-out may be shortened (tests); a start frame's retry is short anyway.
            reply_.start(a.value == Conversation::kReplyTimeoutMs ? timing_.replyMs : a.value);
            break;
        case Action::StopReplyTimer:
            reply_.stop();
            break;
        case Action::StartBlinkTimer:
            blink_.start();
            break;
        case Action::StopBlinkTimer:
            blink_.stop();
            break;
        case Action::SetStatusText:
            emit statusTextChanged(local(a.text));
            break;
        case Action::SetStatusVisible:
            emit statusVisibleChanged(a.flag);
            break;
        case Action::ShowProgress:
        case Action::SetProgress:
            emit progressChanged(true, conversation().progress());
            break;
        case Action::HideProgress:
            emit progressChanged(false, conversation().progress());
            break;
        case Action::Lock:
            emit lockEngaged(a.mode);
            break;
        case Action::Release:
            emit lockReleased();
            break;
        case Action::SuppressBandPrompt:
            if (!readApart_) {
                state_.band.SuppressBandPrompt = true;
            }
            break;
        case Action::CommitEdits:
            emit commitEditsRequested();
            break;
        case Action::ReadComplete:
            if (readApart_) {
                emit radioRead(StateOfRead(a.image, a.value, state_.flags.Language));
            } else {
                ApplyRead(a.image, a.value, state_);
                emit readApplied();
            }
            break;
        case Action::StepStarted:
            emit stepStarted(a.step);
            break;
        case Action::WriteChanges:
            emit writeChanges(*a.comparison);
            break;
        case Action::WriteChecked:
            emit writeChecked(*a.comparison);
            break;
        case Action::Ended:
            readApart_ = false;
            emit ended(a.outcome);
            break;
        default:
            break;
    }
}

void SerialLink::StartReadApart() {
    if (conversation().locked()) {
        return;
    }
    readApart_ = true;
    Start(Mode::Read);
}

OpenResult SerialLink::SelectPort(int n, const std::filesystem::path& configFolder) {
    port_.close();
    OpenResult result = port_.open(PortNames::DeviceFor(n, configFolder));
    if (!result.ok) {
        ask(local(PortBusyText(n)), MessageBoxStyle::kInformation);
        // No device behind the item is the program's own finding, told in its own words.
        emit portStatus(
            local(result.device.empty()
                      ? PortMissingStatus(n)
                      : PortFailureStatus(result.device, result.reason, result.problem())));
        return result;
    }
    state_.flags.PortNumber = static_cast<std::int16_t>(n);
    emit portStatus(local(PortOpenedStatus(n, result.device)));
    return result;
}

void SerialLink::RestorePort(int n, const std::filesystem::path& configFolder) {
    if (n >= 1 && n <= 8) {
        SelectPort(n, configFolder);
    }
}

}  // namespace kvd::link
