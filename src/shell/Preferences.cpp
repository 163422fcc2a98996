#include "shell/Preferences.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "image/FileAccess.h"

namespace kvd::gui {

namespace {

// A pipe or a device in the file's place would hang the start or take the bytes elsewhere:
// only a regular file (or none yet) is the preferences file.
bool IsRegularOrMissing(const QString& path) {
    const QFileInfo info(path);
    return !info.exists() || info.isFile();
}

}  // namespace

QString Preferences::PathIn(const QString& folder) {
    return QDir(folder).filePath(QString::fromLatin1(kFileName));
}

Preferences Preferences::Load(const QString& folder) {
    const QString path = PathIn(folder);
    std::string bytes;
    const FileResult read = FileAccess::ReadRegular(QFileInfo(path).filesystemFilePath(), bytes, 3);
    if (!read) {
        if (IsRegularOrMissing(path)) {
            QFile(path).open(QIODevice::ReadWrite);  // a first run leaves an empty file
        }
        return {};
    }
    auto byteAt = [&](std::size_t i) {
        return i < bytes.size() ? static_cast<std::uint8_t>(bytes[i]) : std::uint8_t{0};
    };
    return {byteAt(0), byteAt(1), byteAt(2)};
}

bool Preferences::Save(const QString& folder) const {
    const QString path = PathIn(folder);
    if (!IsRegularOrMissing(path)) {
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        return false;
    }
    const char bytes[3] = {static_cast<char>(lock), static_cast<char>(port),
                           static_cast<char>(language)};
    return file.seek(0) && file.write(bytes, sizeof bytes) == sizeof bytes && file.flush();
}

}  // namespace kvd::gui
