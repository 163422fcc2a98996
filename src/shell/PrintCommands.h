#pragma once

#include <QObject>
#include <QString>

#include "widgets/Responder.h"

class QPrinter;

namespace kvd::gui {

class MainWindow;

// "Print..." and "Export PDF..." of the File menu: the configuration on paper or as a PDF
// document, in the interface language.
class PrintCommands : public QObject {
    Q_OBJECT
public:
    explicit PrintCommands(MainWindow& window);

    // Prints on the printer and pages chosen in Qt's print dialog.
    void Print();
    // Writes the printout to a chosen file, replacing an existing one whole.
    void ExportPdf();

private:
    MainWindow& window_;
};

// The file the table is, as the printout names it: its full path, or empty while it is none.
QString TableName(const MainWindow& window);

// Test seam: while one exists, the print dialog is not shown; the responder gets the printer
// the dialog would have set up and answers whether to print.
class PrintDialogResponder : public Responder<QPrinter*, bool> {
public:
    using Responder::Responder;
};

void AttachPrintCommands(MainWindow& window);

}  // namespace kvd::gui
