#pragma once

#include <QObject>

namespace kvd::gui {

class MainWindow;

// "Import CSV..." and "Export CSV..." of the File menu: the channel list in the column
// format other radio programming tools read and write.
class CsvCommands : public QObject {
    Q_OBJECT
public:
    explicit CsvCommands(MainWindow& window);

    // Lists the rows of a chosen file in the import dialog; OK replaces the channel table with
    // the rows ticked there. Cancel, a file without a usable row, or one that cannot be read
    // changes nothing.
    void Import();
    // Writes every programmed channel to a chosen file, replacing an existing one whole.
    void Export();

private:
    MainWindow& window_;
};

void AttachCsvCommands(MainWindow& window);

}  // namespace kvd::gui
