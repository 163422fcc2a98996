// The optional-function dialog's controls and where they stand.
#include "dialogs/OptionalFunctionDialog.h"

#include <algorithm>
#include <array>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "dialogs/CellEditorDelegate.h"
#include "dialogs/ClickableLabel.h"
#include "dialogs/DialogFit.h"
#include "dialogs/DialogGrid.h"
#include "dialogs/DialogMessages.h"
#include "dialogs/FieldRule.h"
#include "dialogs/OptionalFunctionTable.h"
#include "image/FieldTable.h"

namespace kvd::gui {

namespace {

namespace Table = OptionalFunctionTable;

constexpr std::array<int, 2> kMemoryColumnTwips = {600, 1995};
constexpr int kMemoryRowTwips = 300;
constexpr int kMemories = Settings::kAutoDialMemories;

constexpr FieldRule kAnyOneByte{FieldRule::Characters::OneByte, 0};

}  // namespace

OptionalFunctionDialog::OptionalFunctionDialog(MainWindow& owner) : ModelessDialog(owner, "Form5") {
    for (auto lists : {Table::LeadingLists(), Table::DtmfLists()}) {
        for (const OptionalList& list : lists) {
            lists_[QString::fromLatin1(list.name)] = makeList(list);
        }
    }
    priority_ = lists_.at(QStringLiteral("Combo11"));
    priorityChannel_ = lists_.at(QStringLiteral("Combo12"));
    connect(priority_, &QComboBox::currentIndexChanged, this,
            &OptionalFunctionDialog::priorityChanged);
    connect(priorityChannel_, &QComboBox::currentIndexChanged, this,
            &OptionalFunctionDialog::priorityChannelChanged);

    auto* left = new QVBoxLayout;
    left->addWidget(buildVoxGroup());
    left->addWidget(buildOtherFields());
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(buildDtmfGroup());
    right->addWidget(buildMemoryGrid(), 0, Qt::AlignHCenter);
    right->addStretch(1);
    auto* groups = new QHBoxLayout;
    groups->addLayout(left);
    groups->addWidget(buildScanGroup(), 0, Qt::AlignTop);
    groups->addLayout(right);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton());
    buttons->addWidget(cancelButton());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    FitDialogCaptions(this, Table::Captions());
}

QComboBox* OptionalFunctionDialog::makeList(const OptionalList& list) {
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(list.name));
    box->addItems(Table::Items(list, kChinese));
    box->setMaxVisibleItems(20);
    return box;
}

QLabel* OptionalFunctionDialog::makeCaption(const QString& controlName) {
    const QString name = QStringLiteral("lbl") + controlName;
    const auto gesture = Table::GestureCaptions();
    const auto found = std::find_if(gesture.begin(), gesture.end(), [&](const char* caption) {
        return name == QLatin1String(caption);
    });
    auto* label = new ClickableLabel(this, name.toLatin1().constData());
    if (found != gesture.end()) {
        const int caption = static_cast<int>(found - gesture.begin());
        connect(label, &ClickableLabel::clicked, this,
                [this, caption] { emit gestureCaptionClicked(caption); });
    }
    return label;
}

void OptionalFunctionDialog::addRow(QGridLayout* layout, const char* controlName) {
    addRow(layout, controlName, lists_.at(QString::fromLatin1(controlName)));
}

void OptionalFunctionDialog::addRow(QGridLayout* layout, const char* controlName, QWidget* field) {
    QLabel* caption = makeCaption(QString::fromLatin1(controlName));
    caption->setBuddy(field);
    const int row = layout->rowCount();
    layout->addWidget(caption, row, 0);
    layout->addWidget(field, row, 1);
}

QGroupBox* OptionalFunctionDialog::buildVoxGroup() {
    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("fraVox"));
    auto* layout = new QGridLayout(group);
    for (const char* name : {"Combo6", "Combo7", "Combo8", "Combo9"}) {
        addRow(layout, name);
    }
    for (const CheckField& check : Table::CheckBoxes()) {
        auto* box = new QCheckBox(group);
        box->setObjectName(QString::fromLatin1(check.name));
        layout->addWidget(box, layout->rowCount(), 0, 1, 2);
    }
    return group;
}

QWidget* OptionalFunctionDialog::spinnerField(const DelayField& delay, const char* spinnerName) {
    auto* field = new QWidget(this);
    QLineEdit* text = MakeRuledField(field, delay.name, kAnyOneByte);
    // The radio's spinner counts up from its upper arrow, which a scroll bar's value runs
    // down from; so the bar holds the negated count.
    auto* spinner = new QScrollBar(Qt::Vertical, field);
    spinner->setObjectName(QString::fromLatin1(spinnerName));
    const FieldTable::Range seconds = FieldTable::Of(delay.member).userRange();
    spinner->setRange(-seconds.highest, -seconds.lowest);
    spinner->setSingleStep(1);
    spinner->setPageStep(10);
    spinner->setFixedHeight(text->sizeHint().height());
    connect(spinner, &QScrollBar::valueChanged, text,
            [text](int value) { text->setText(QString::number(-value)); });
    auto* layout = new QHBoxLayout(field);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(text);
    layout->addWidget(spinner);
    return field;
}

QGroupBox* OptionalFunctionDialog::buildScanGroup() {
    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("fraScan"));
    auto* layout = new QGridLayout(group);
    for (const char* name : {"Combo11", "Combo12", "Combo13", "Combo14", "Combo15"}) {
        addRow(layout, name);
    }
    // The long captions of the delays stand above their boxes.
    const char* spinners[] = {"VScroll1", "VScroll2"};
    for (std::size_t i = 0; i < Table::DelayFields().size(); ++i) {
        const DelayField& delay = Table::DelayFields()[i];
        QLabel* caption = makeCaption(QString::fromLatin1(delay.name));
        QWidget* field = spinnerField(delay, spinners[i]);
        caption->setBuddy(field);
        layout->addWidget(caption, layout->rowCount(), 0, 1, 2);
        layout->addWidget(field, layout->rowCount(), 1);
    }
    return group;
}

QGroupBox* OptionalFunctionDialog::buildDtmfGroup() {
    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("fraDtmf"));
    auto* layout = new QGridLayout(group);
    for (const OptionalList& list : Table::DtmfLists()) {
        addRow(layout, list.name);
    }
    return group;
}

QWidget* OptionalFunctionDialog::buildOtherFields() {
    auto* area = new QWidget(this);
    auto* layout = new QGridLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    addRow(layout, "Combo4");
    addRow(layout, "Combo10");
    for (const CodeField& code : Table::CodeFields()) {
        const int length = static_cast<int>(FieldTable::Of(code.member).width);
        addRow(layout, code.name,
               MakeRuledField(area, code.name, {FieldRule::Characters::Dtmf, length}));
    }
    return area;
}

DialogGrid* OptionalFunctionDialog::buildMemoryGrid() {
    memories_ = new DialogGrid(this, "mfgrid1", kMemories + 1, kMemoryColumnTwips, kMemoryRowTwips,
                               Qt::AlignLeft | Qt::AlignVCenter);
    // The same in both languages.
    memories_->setText(0, 0, QStringLiteral("编号"));
    memories_->setText(0, 1, QStringLiteral("自动拨号存储器"));
    for (int row = 1; row <= kMemories; ++row) {
        memories_->setText(row, 0, QString::number(row));
    }
    // A full memory shows whole.
    memories_->fitColumnToText(
        1, WidestDtmfText(memories_->fontMetrics(),
                          static_cast<int>(FieldTable::Of(&Settings::autoDialMemories).width)));
    memories_->setItemDelegate(new CellEditorDelegate(
        memories_, {FieldRule::Characters::Dtmf, 0},
        [this](int row, int, const QString& typed) { memoryEdited(row, typed); }));
    return memories_;
}

}  // namespace kvd::gui
