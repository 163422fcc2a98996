#pragma once

#include <span>

#include "image/FieldTable.h"
#include "image/Settings.h"
#include "texts/UserText.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace kvd::gui {

class DialogGrid;

// The controls of the optional-function dialog `Form5`, by what they edit; each keeps the
// old program's control name (in the rows below).
struct OptionalFunctionControls {
    QGroupBox* voxGroup = nullptr;  // `fraVox`
    QComboBox* voxFunction = nullptr;
    QComboBox* voxGain = nullptr;
    QComboBox* voxDelay = nullptr;
    QComboBox* voxVolumeControl = nullptr;
    QCheckBox* voxCancelOperation = nullptr;
    QCheckBox* voxOffWhileReceiving = nullptr;

    QComboBox* pttId = nullptr;
    QComboBox* duplicate = nullptr;
    QLineEdit* idCode = nullptr;
    QLineEdit* transmitStartCode = nullptr;
    QLineEdit* transmitEndCode = nullptr;

    QGroupBox* scanGroup = nullptr;  // `fraScan`
    QComboBox* priority = nullptr;
    QComboBox* priorityChannel = nullptr;
    QComboBox* retraceTimeA = nullptr;
    QComboBox* retraceTimeB = nullptr;
    QComboBox* returnChannel = nullptr;
    QLineEdit* scanReceiveDelay = nullptr;
    QScrollBar* scanReceiveSpinner = nullptr;
    QLineEdit* scanTransmitDelay = nullptr;
    QScrollBar* scanTransmitSpinner = nullptr;

    QGroupBox* dtmfGroup = nullptr;  // `fraDtmf`
    QComboBox* dtmfRate = nullptr;
    QComboBox* firstDigitTime = nullptr;
    QComboBox* firstDigitDelay = nullptr;
    QComboBox* starHashTone = nullptr;
    QComboBox* dKeyFunction = nullptr;
    QComboBox* dtmfSideTone = nullptr;
    QComboBox* groupCallCode = nullptr;
    QComboBox* autoResetTimer = nullptr;
    DialogGrid* memories = nullptr;  // `mfgrid1`

    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

using Controls = OptionalFunctionControls;

// One list of the dialog: the control and its setting, whose items, caption and unit are the
// setting's words (image/SettingWords.h). The caption's control is named "lbl" + the list's
// name.
struct ListRow {
    QComboBox* Controls::*control;
    const char* objectName;
    std::int16_t Settings::*member;
    int gesture = -1;  // its place in the hidden debug-access gesture (0..2), -1 for none
};

// A scan delay: a text box of seconds (empty for none) and the spinner that fills it.
struct DelayRow {
    QLineEdit* Controls::*field;
    QScrollBar* Controls::*spinner;
    const char* objectName;
    const char* spinnerName;
    std::optional<std::int16_t> Settings::*member;
};

// A code of DTMF characters, as long as its setting holds.
struct CodeRow {
    QLineEdit* Controls::*field;
    const char* objectName;
    std::string Settings::*member;
};

struct CheckRow {
    QCheckBox* Controls::*box;
    const char* objectName;
    bool Settings::*member;
};

namespace OptionalFunctionTable {

// The lists of the VOX and scan groups, PTT ID and duplicate, in the order they are filled;
// then those of the DTMF group, filled last.
std::span<const ListRow> LeadingLists();
std::span<const ListRow> DtmfLists();
// The row of a list.
const ListRow& Row(QComboBox* Controls::*control);

// The text boxes (scan delays, then the ID, transmit-start and transmit-end codes) and the
// check boxes, in the order they are filled.
std::span<const DelayRow> DelayFields();
std::span<const CodeRow> CodeFields();
std::span<const CheckRow> CheckBoxes();

// The caption of the control that edits a setting.
TextId Caption(const FieldTable::Member& member);

// The index a stored value selects; a value that names no item selects the first.
int IndexOf(const ListRow& row, int value, int count);
int ValueOf(const ListRow& row, int index);

}  // namespace OptionalFunctionTable
}  // namespace kvd::gui
