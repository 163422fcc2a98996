#include "shell/ConfigFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kvd::gui {

QString ChooseConfigFolder(const QString& programFolder, const QString& userFolder) {
    const QFileInfo program(programFolder);
    if (program.isDir() && program.isWritable()) {
        return programFolder;
    }
    QDir().mkpath(userFolder);
    return userFolder;
}

QString ResolveConfigFolder() {
    return ChooseConfigFolder(QCoreApplication::applicationDirPath(),
                              QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

}  // namespace kvd::gui
