#pragma once

#include <optional>
#include <string>

#include <QProcess>
#include <QStringList>

namespace kvd::test {

// What a poppler-utils tool prints about a PDF: `pdftotext` the text of pages first..last
// (0: all), `pdffonts` the fonts. Nothing when the tool is not installed.
inline std::optional<std::string> PopplerSays(const QString& tool, QStringList arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForStarted() || !process.waitForFinished(20000)) {
        return std::nullopt;
    }
    return process.readAllStandardOutput().toStdString();
}

inline std::optional<std::string> PdfText(const QString& pdf, int first = 0, int last = 0) {
    QStringList arguments{QStringLiteral("-layout")};
    if (first > 0) {
        arguments << QStringLiteral("-f") << QString::number(first) << QStringLiteral("-l")
                  << QString::number(last);
    }
    return PopplerSays(QStringLiteral("pdftotext"), arguments << pdf << QStringLiteral("-"));
}

}  // namespace kvd::test
