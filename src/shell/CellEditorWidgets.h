#pragma once

#include <array>

#include <QValidator>

#include "settings/Language.h"

class QComboBox;
class QLineEdit;
class QWidget;

namespace kvd::gui {

// Keeps only what a frequency or a tone can hold, digits and the point. Typed, pasted and
// dropped text alike lose every other character.
class EditorKeyValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

// The editors laid over the channel table, hidden until a cell opens one: `Text1` for
// frequencies, `Combo8` (editable, the tone list) for tones, and one selection-only list per
// choice column, `Combo5_5` .. `Combo5_8`.
struct CellEditorSet {
    QLineEdit* frequency = nullptr;
    QComboBox* tone = nullptr;
    std::array<QComboBox*, 4> choices{};

    // The choice list of column 5..8.
    QComboBox* choice(int column) const;
    // Every editor, for what they all share.
    std::array<QWidget*, 6> all() const;
};

CellEditorSet MakeCellEditors(QWidget* parent, LanguageId language);

// The list texts that follow the interface language (tone item 0 and the choice items),
// rewritten in place so selections stay.
void ApplyEditorLanguage(const CellEditorSet& editors, LanguageId language);

}  // namespace kvd::gui
