#pragma once

#include <array>

#include <QValidator>

#include "settings/Language.h"

class QComboBox;
class QLineEdit;
class QWidget;

namespace kvd::gui {

// Keeps only what a frequency or a tone can hold, digits and the point. Typed, pasted and
// dropped text alike lose every other character. Texts the program puts in stand as they
// are: the text the editor opened with (a decoded frequency may hold hexadecimal letters)
// and the entries of the editor's list ("D023N", "Off").
class EditorKeyValidator : public QValidator {
    Q_OBJECT
public:
    explicit EditorKeyValidator(QObject* parent, const QComboBox* list = nullptr);

    void setOpeningText(const QString& text) { opening_ = text; }
    State validate(QString& input, int& position) const override;

private:
    const QComboBox* list_;
    QString opening_;
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

// The width the editor of a tone or choice column needs to show each of its items, in
// either language; 0 for other columns.
int EditorWidthFor(const CellEditorSet& editors, int column);

// Shows a cell's text in the frequency or the tone editor as it is.
void LoadEditorText(QLineEdit* editor, const QString& text);
void LoadEditorText(QComboBox* editor, const QString& text);

// The list texts that follow the interface language (tone item 0 and the choice items),
// rewritten in place so selections stay.
void ApplyEditorLanguage(const CellEditorSet& editors, LanguageId language);

}  // namespace kvd::gui
