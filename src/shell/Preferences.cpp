#include "shell/Preferences.h"

#include <QDir>
#include <QFile>

namespace kvd::gui {

QString Preferences::PathIn(const QString& folder) {
    return QDir(folder).filePath(QString::fromLatin1(kFileName));
}

Preferences Preferences::Load(const QString& folder) {
    QFile file(PathIn(folder));
    // ReadWrite creates a missing file without truncating an existing one; a file that may
    // only be read still gives its bytes.
    if (!file.open(QIODevice::ReadWrite) && !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.read(3);
    auto byteAt = [&](int i) {
        return i < bytes.size() ? static_cast<std::uint8_t>(bytes[i]) : std::uint8_t{0};
    };
    return {byteAt(0), byteAt(1), byteAt(2)};
}

bool Preferences::Save(const QString& folder) const {
    QFile file(PathIn(folder));
    if (!file.open(QIODevice::ReadWrite)) {
        return false;
    }
    const char bytes[3] = {static_cast<char>(lock), static_cast<char>(port),
                           static_cast<char>(language)};
    return file.seek(0) && file.write(bytes, sizeof bytes) == sizeof bytes && file.flush();
}

}  // namespace kvd::gui
