#include "link/qt/BackupLocation.h"

#include <QDir>
#include <QStandardPaths>

namespace kvd::link {

std::filesystem::path BackupFolder() {
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return std::filesystem::path(
        QDir(data).filePath(QStringLiteral("kvd270/backups")).toStdString());
}

}  // namespace kvd::link
