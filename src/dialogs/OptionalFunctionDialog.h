#pragma once

#include <cstdint>
#include <map>

#include "dialogs/ModelessDialog.h"
#include "dialogs/OptionalFunctionTable.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace kvd::gui {

class DialogGrid;

// The optional-function dialog `Form5`: VOX, scan with the priority channel, DTMF, the
// eight auto-dial memories, PTT ID, duplicate and the three code fields.
class OptionalFunctionDialog : public ModelessDialog {
    Q_OBJECT
public:
    explicit OptionalFunctionDialog(MainWindow& owner);

    // Channel number the priority rule last found, 0 before it found one.
    std::int16_t rememberedPriorityChannel() const { return rememberedPriorityChannel_; }

    // Stores and hides, unless a scan delay lies outside what the radio takes: that is
    // refused with a message, and the window stays open on the field.
    void accept() override;

signals:
    // One of the three scan-group captions of the debug-access gesture was clicked (0..2).
    void gestureCaptionClicked(int caption);

protected:
    void fill() override;
    void store() override;

private:
    QComboBox* makeList(const OptionalList& list);
    QLabel* makeCaption(const QString& controlName);
    void addRow(QGridLayout* layout, const char* controlName);
    void addRow(QGridLayout* layout, const char* controlName, QWidget* field);
    QGroupBox* buildVoxGroup();
    QGroupBox* buildScanGroup();
    QGroupBox* buildDtmfGroup();
    QWidget* buildOtherFields();
    QWidget* spinnerField(const DelayField& delay, const char* spinnerName);
    DialogGrid* buildMemoryGrid();

    void fillList(const OptionalList& list);
    void storeList(const OptionalList& list);

    // The priority rules, run on every change of `Combo11` / `Combo12` and on filling.
    void priorityChanged(int index);
    void priorityChannelChanged(int index);
    int firstProgrammedChannel();
    void selectQuietly(QComboBox* list, int index);

    bool scanDelaysTaken();
    void memoryEdited(int row, const QString& typed);
    void warnIfMemoryTooLong(int row);

    std::map<QString, QComboBox*> lists_;
    QComboBox* priority_ = nullptr;
    QComboBox* priorityChannel_ = nullptr;
    DialogGrid* memories_ = nullptr;
    std::int16_t rememberedPriorityChannel_ = 0;
};

}  // namespace kvd::gui
