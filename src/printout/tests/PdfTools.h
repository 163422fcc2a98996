#pragma once

#include <optional>
#include <string>

#include <QProcess>
#include <QStringList>

namespace kvd::test {

// What a poppler-utils tool (pdftotext, pdffonts) prints; nothing when it is not installed.
inline std::optional<std::string> PopplerSays(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForStarted() || !process.waitForFinished(20000)) {
        return std::nullopt;
    }
    return process.readAllStandardOutput().toStdString();
}

}  // namespace kvd::test
