#include "link/qt/BackupLocation.h"

#include <QDir>
#include <QStandardPaths>

#include "image/FileAccess.h"

namespace kvd::link {

std::filesystem::path BackupFolder() {
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    // From UTF-8 explicitly: on Windows a plain std::string would be taken in the code page
    // and a profile folder like "C:\Users\张三" would turn into another, garbled one.
    return FileAccess::PathFromUtf8(
        QDir(data).filePath(QStringLiteral("kvd270/backups")).toStdString());
}

}  // namespace kvd::link
