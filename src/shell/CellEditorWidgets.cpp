#include "shell/CellEditorWidgets.h"

#include <QComboBox>
#include <QLineEdit>

#include "channels/CellEditRules.h"
#include "channels/ChannelCells.h"
#include "channels/ChoiceLists.h"
#include "channels/ToneList.h"
#include "widgets/InterfaceLanguage.h"
#include "widgets/LanguageFit.h"

namespace kvd::gui {

namespace {

constexpr int kFirstChoice = ChoiceLists::kFirstChoiceColumn;

// An item of the list of a tone or choice column.
QString ItemText(int column, int position, LanguageId language) {
    const bool tone = CellEditRules::EditorFor(column) == CellEditRules::Editor::Tone;
    return Tr(tone ? ToneList::Text(position) : ChoiceLists::Text(column, position), language);
}

// Every editor stays hidden until a cell opens it.
template <typename Widget>
Widget* MakeEditor(QWidget* parent, const QString& name) {
    auto* editor = new Widget(parent);
    editor->setObjectName(name);
    editor->hide();
    return editor;
}

QComboBox* MakeToneEditor(QWidget* parent, LanguageId language) {
    auto* tone = MakeEditor<QComboBox>(parent, QStringLiteral("Combo8"));
    tone->setEditable(true);
    // Typing never adds items or completes to a listed tone: 15 must stay 15.
    tone->setInsertPolicy(QComboBox::NoInsert);
    tone->setCompleter(nullptr);
    tone->setValidator(new EditorKeyValidator(tone, tone));
    for (int position = 0; position < ToneList::kCount; ++position) {
        tone->addItem(ItemText(ChannelCells::kRxTone, position, language));
    }
    return tone;
}

QComboBox* MakeChoiceEditor(QWidget* parent, int column, LanguageId language) {
    auto* choice = MakeEditor<QComboBox>(parent, QStringLiteral("Combo5_%1").arg(column));
    for (int position = 0; position < ChoiceLists::kItems; ++position) {
        choice->addItem(ItemText(column, position, language));
    }
    return choice;
}

}  // namespace

EditorKeyValidator::EditorKeyValidator(QObject* parent, const QComboBox* list)
    : QValidator(parent), list_(list) {}

QValidator::State EditorKeyValidator::validate(QString& input, int& position) const {
    if (input == opening_ || (list_ && list_->findText(input) >= 0)) {
        return Acceptable;
    }
    QString kept;
    kept.reserve(input.size());
    int keptBeforeCursor = 0;
    for (int i = 0; i < input.size(); ++i) {
        const QChar c = input.at(i);
        // Backspace is a key, never a character of the text.
        if (c != QLatin1Char('\b') && CellEditRules::IsEditorKey(c.unicode())) {
            kept.append(c);
            keptBeforeCursor += i < position ? 1 : 0;
        }
    }
    input = kept;
    position = keptBeforeCursor;
    return Acceptable;
}

QComboBox* CellEditorSet::choice(int column) const {
    const int slot = column - kFirstChoice;
    return slot >= 0 && slot < static_cast<int>(choices.size()) ? choices[slot] : nullptr;
}

std::array<QWidget*, 6> CellEditorSet::all() const {
    return {frequency, tone, choices[0], choices[1], choices[2], choices[3]};
}

CellEditorSet MakeCellEditors(QWidget* parent, LanguageId language) {
    CellEditorSet set;
    set.frequency = MakeEditor<QLineEdit>(parent, QStringLiteral("Text1"));
    set.frequency->setValidator(new EditorKeyValidator(set.frequency));
    set.frequency->setAlignment(Qt::AlignCenter);  // where the cell shows its text
    set.tone = MakeToneEditor(parent, language);
    for (std::size_t i = 0; i < set.choices.size(); ++i) {
        set.choices[i] = MakeChoiceEditor(parent, kFirstChoice + static_cast<int>(i), language);
    }
    return set;
}

int EditorWidthFor(const CellEditorSet& editors, int column) {
    const bool tone = CellEditRules::EditorFor(column) == CellEditRules::Editor::Tone;
    const QComboBox* list = tone ? editors.tone : editors.choice(column);
    if (!list) {
        return 0;
    }
    QStringList texts;
    for (LanguageId language : {kChinese, kEnglish}) {
        for (int position = 0; position < list->count(); ++position) {
            texts << ItemText(column, position, language);
        }
    }
    return ComboWidthFor(list, texts);
}

void LoadEditorText(QLineEdit* editor, const QString& text) {
    editor->findChild<EditorKeyValidator*>()->setOpeningText(text);
    editor->setText(text);
}

void LoadEditorText(QComboBox* editor, const QString& text) {
    editor->findChild<EditorKeyValidator*>()->setOpeningText(text);
    editor->setCurrentIndex(editor->findText(text));
    editor->setEditText(text);
}

void ApplyEditorLanguage(const CellEditorSet& editors, LanguageId language) {
    editors.tone->setItemText(0, ItemText(ChannelCells::kRxTone, 0, language));
    for (int column = kFirstChoice; column <= ChoiceLists::kLastChoiceColumn; ++column) {
        QComboBox* list = editors.choice(column);
        for (int position = 0; position < list->count(); ++position) {
            list->setItemText(position, Tr(ChoiceLists::Text(column, position), language));
        }
    }
}

}  // namespace kvd::gui
