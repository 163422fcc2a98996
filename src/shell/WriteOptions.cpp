#include "shell/WriteOptions.h"

#include <QDir>
#include <QSettings>

namespace kvd::gui {

namespace {

const QString kBackupFirst = QStringLiteral("write/backupFirst");
const QString kVerifyAfter = QStringLiteral("write/verifyAfter");

QString PathIn(const QString& folder) {
    return QDir(folder).filePath(QString::fromLatin1(WriteOptions::kFileName));
}

}  // namespace

WriteOptions WriteOptions::Load(const QString& folder) {
    const QSettings stored(PathIn(folder), QSettings::IniFormat);
    WriteOptions options;
    options.backupFirst = stored.value(kBackupFirst, options.backupFirst).toBool();
    options.verifyAfter = stored.value(kVerifyAfter, options.verifyAfter).toBool();
    return options;
}

// A folder that cannot be written only costs the next run the choice.
void WriteOptions::Save(const QString& folder) const {
    QSettings stored(PathIn(folder), QSettings::IniFormat);
    stored.setValue(kBackupFirst, backupFirst);
    stored.setValue(kVerifyAfter, verifyAfter);
}

}  // namespace kvd::gui
