#include "shell/PrintCommands.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QPrintDialog>
#include <QPrinter>

#include "image/ChannelFile.h"
#include "printout/ConfigurationPrint.h"
#include "printout/PrintedConfiguration.h"
#include "settings/MessageBoxStyle.h"
#include "shell/FileSteps.h"
#include "shell/MainWindow.h"
#include "texts/TextIds.h"
#include "widgets/InterfaceLanguage.h"

namespace kvd::gui {

namespace {

namespace Style = MessageBoxStyle;

const FileSteps::FileType kPdfFile{TextIds::file::pdfFilter, "pdf"};

Printout::PrintedConfiguration Printed(MainWindow& window) {
    const Printout::Heading heading{UserText::Verbatim(TableName(window).toStdString()),
                                    QDate::currentDate().toString(Qt::ISODate).toStdString()};
    return Printout::Describe(window.state(), heading, InterfaceLanguage());
}

bool AskPrinter(MainWindow& window, QPrinter& printer) {
    if (auto* responder = PrintDialogResponder::Current()) {
        return responder->respond(&printer);
    }
    QPrintDialog dialog(&printer, &window);
    return dialog.exec() == QDialog::Accepted;
}

void ReportPrintFailure(MainWindow& window) {
    window.LocalizedMessageBox(Tr(TextIds::print::failed), Style::kOk | Style::kCritical);
}

}  // namespace

PrintCommands::PrintCommands(MainWindow& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("PrintCommands"));
    connect(window.menus().print, &QAction::triggered, this, &PrintCommands::Print);
    connect(window.menus().exportPdf, &QAction::triggered, this, &PrintCommands::ExportPdf);
}

void PrintCommands::Print() {
    FileSteps::CommitOpenEdit(window_);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(Tr(TextIds::print::title));
    if (!AskPrinter(window_, printer)) {
        return;
    }
    if (!Printout::Paint(Printed(window_), printer, {printer.fromPage(), printer.toPage()})) {
        ReportPrintFailure(window_);
    }
}

void PrintCommands::ExportPdf() {
    FileSteps::CommitOpenEdit(window_);
    const QString path = FileSteps::AskSavePath(window_, kPdfFile);
    if (path.isEmpty()) {
        return;
    }
    const QByteArray pdf = Printout::Pdf(Printed(window_));
    if (pdf.isEmpty()) {
        ReportPrintFailure(window_);
        return;
    }
    const ChannelFile::Result written =
        ChannelFile::WriteAtomically(FileSteps::NativePath(path), pdf.toStdString());
    if (!written) {
        FileSteps::ReportFailure(window_, TextIds::file::cannotWrite, path, written);
    }
}

QString TableName(const MainWindow& window) {
    const ConfigurationDocument& document = window.document();
    return document.origin() == ConfigurationDocument::Origin::File
               ? QDir::toNativeSeparators(document.path())
               : QString();
}

void AttachPrintCommands(MainWindow& window) {
    new PrintCommands(window);
}

}  // namespace kvd::gui
