#pragma once

#include <QString>
#include <QValidator>

class QFontMetrics;
class QLineEdit;

namespace kvd::gui {

// What a text field of a dialog takes, whether typed, pasted, dropped or composed.
struct FieldRule {
    enum class Characters {
        OneByte,  // U+0020..U+00FF: every character the image stores in one byte
        Dtmf,     // 0-9, A-D, * and #; a-z are taken as A-Z
    };
    Characters characters = Characters::OneByte;
    int maxLength = 0;  // 0: no limit
};

// Holds a line edit to its rule. Only what an edit inserts is filtered and, in a full box,
// cut: the text already there is never touched, and a typed key replaces a selection even
// in a full box.
class FieldValidator : public QValidator {
    Q_OBJECT
public:
    FieldValidator(QLineEdit* field, FieldRule rule);

    State validate(QString& input, int& position) const override;

    // The field shows a stored text as it is, outside the rule.
    void showStored(const QString& text);

private:
    QString filtered(const QString& inserted, int room) const;

    QLineEdit* field_;
    FieldRule rule_;
    QString before_;  // the text before the edit being validated
};

// A line edit under a rule (objectName given); its validator is a child of it. A field of
// DTMF characters with a length is wide enough to show that many of the widest, whole.
QLineEdit* MakeRuledField(QWidget* parent, const char* objectName, FieldRule rule);

// `length` times the DTMF character that is widest in the font.
QString WidestDtmfText(const QFontMetrics& metrics, int length);
// The width a line edit needs to show the text without scrolling.
int FieldWidthFor(const QLineEdit* field, const QString& text);
// Shows a stored text in a ruled field as it is.
void ShowStored(QLineEdit* field, const QString& text);

}  // namespace kvd::gui
