#pragma once

#include <cstdint>

#include "dialogs/ModelessDialog.h"
#include "dialogs/OptionalFunctionTable.h"

class QGridLayout;
class QLabel;
class QWidget;

namespace kvd::gui {

// The optional-function dialog `Form5`: VOX, scan with the priority channel, DTMF, the
// eight auto-dial memories, PTT ID, duplicate and the three code fields. Each field is bound
// to its setting by one row of OptionalFunctionTable.
class OptionalFunctionDialog : public ModelessDialog {
    Q_OBJECT
public:
    explicit OptionalFunctionDialog(DialogHost& host);

    const OptionalFunctionControls& controls() const { return controls_; }

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
    QLabel* makeCaption(const char* controlName, TextId text, int gesture = -1);
    void addList(QGridLayout* layout, QComboBox* Controls::*control);
    void addField(QGridLayout* layout, const char* controlName, TextId caption, QWidget* field);
    QGroupBox* buildVoxGroup();
    QWidget* buildOtherFields();
    QGroupBox* buildScanGroup();
    QWidget* delayField(const DelayRow& delay);
    QGroupBox* buildDtmfGroup();
    DialogGrid* buildMemoryGrid();
    void orderTabs();

    void fillList(const ListRow& row);
    void storeList(const ListRow& row);

    // The priority rules, run on every change of `Combo11` / `Combo12` and on filling.
    void priorityChanged(int index);
    void priorityChannelChanged(int index);
    int firstProgrammedChannel();
    void selectQuietly(QComboBox* list, int index);

    bool scanDelaysTaken();
    void memoryEdited(int row, const QString& typed);
    void warnIfMemoryTooLong(int row);

    OptionalFunctionControls controls_;
    std::int16_t rememberedPriorityChannel_ = 0;
};

}  // namespace kvd::gui
