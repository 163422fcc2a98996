// The optional-function dialog's controls and where they stand.
#include "dialogs/OptionalFunctionDialog.h"

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
#include "dialogs/DialogGrid.h"
#include "dialogs/FieldRule.h"
#include "image/FieldTable.h"
#include "image/SettingWords.h"
#include "texts/TextIds.h"
#include "widgets/ClickableLabel.h"
#include "widgets/InterfaceLanguage.h"

namespace kvd::gui {

namespace {

namespace Table = OptionalFunctionTable;
using C = Controls;

constexpr std::array<int, 2> kMemoryColumnTwips = {600, 1995};
constexpr int kMemoryRowTwips = 300;
constexpr int kMemories = Settings::kAutoDialMemories;

constexpr FieldRule kAnyOneByte{FieldRule::Characters::OneByte, 0};

QGridLayout* GroupLayout(QGroupBox* group, const char* objectName) {
    group->setObjectName(QString::fromLatin1(objectName));
    return new QGridLayout(group);
}

}  // namespace

OptionalFunctionDialog::OptionalFunctionDialog(DialogHost& host)
    : ModelessDialog(host, "Form5", TextIds::optional::title) {
    // Made in the order they stand, columns left to right, so Tab follows the eye.
    auto* left = new QVBoxLayout;
    left->addWidget(buildVoxGroup());
    left->addWidget(buildOtherFields());
    left->addStretch(1);
    QGroupBox* scan = buildScanGroup();
    auto* right = new QVBoxLayout;
    right->addWidget(buildDtmfGroup());
    right->addWidget(buildMemoryGrid(), 0, Qt::AlignHCenter);
    right->addStretch(1);
    auto* groups = new QHBoxLayout;
    groups->addLayout(left);
    groups->addWidget(scan, 0, Qt::AlignTop);
    groups->addLayout(right);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    controls_.ok = okButton();
    controls_.cancel = cancelButton();
    buttons->addWidget(controls_.ok);
    buttons->addWidget(controls_.cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    orderTabs();

    connect(controls_.priority, &QComboBox::currentIndexChanged, this,
            &OptionalFunctionDialog::priorityChanged);
    connect(controls_.priorityChannel, &QComboBox::currentIndexChanged, this,
            &OptionalFunctionDialog::priorityChannelChanged);
    captionsDone();
}

QLabel* OptionalFunctionDialog::makeCaption(const char* controlName, TextId text, int gesture) {
    const QByteArray name = QByteArrayLiteral("lbl") + controlName;
    auto* label = new ClickableLabel(this, name.constData());
    captions().add(label, text);
    if (gesture >= 0) {
        connect(label, &ClickableLabel::clicked, this,
                [this, gesture] { emit gestureCaptionClicked(gesture); });
    }
    return label;
}

void OptionalFunctionDialog::addField(QGridLayout* layout, const char* controlName, TextId caption,
                                      QWidget* field) {
    QLabel* label = makeCaption(controlName, caption);
    label->setBuddy(field);
    const int row = layout->rowCount();
    layout->addWidget(label, row, 0);
    layout->addWidget(field, row, 1);
}

void OptionalFunctionDialog::addList(QGridLayout* layout, QComboBox* Controls::*control) {
    const ListRow& row = Table::Row(control);
    auto* list = new QComboBox(this);
    list->setObjectName(QString::fromLatin1(row.objectName));
    const std::vector<UserText> items = SettingWords::Items(FieldTable::Of(row.member));
    for (std::size_t item = 0; item < items.size(); ++item) {
        list->addItem(QString());
    }
    captions().addItems(list, items);
    list->setMaxVisibleItems(20);
    controls_.*control = list;
    QLabel* label = makeCaption(row.objectName, Table::Caption(row.member), row.gesture);
    label->setBuddy(list);
    const int line = layout->rowCount();
    layout->addWidget(label, line, 0);
    layout->addWidget(list, line, 1);
}

QGroupBox* OptionalFunctionDialog::buildVoxGroup() {
    controls_.voxGroup = new QGroupBox(this);
    captions().add(controls_.voxGroup, TextIds::optional::voxGroup);
    QGridLayout* layout = GroupLayout(controls_.voxGroup, "fraVox");
    for (auto list : {&C::voxFunction, &C::voxGain, &C::voxDelay, &C::voxVolumeControl}) {
        addList(layout, list);
    }
    for (const CheckRow& check : Table::CheckBoxes()) {
        auto* box = new QCheckBox(controls_.voxGroup);
        box->setObjectName(QString::fromLatin1(check.objectName));
        captions().add(box, Table::Caption(check.member));
        controls_.*check.box = box;
        layout->addWidget(box, layout->rowCount(), 0, 1, 2);
    }
    return controls_.voxGroup;
}

QWidget* OptionalFunctionDialog::buildOtherFields() {
    auto* area = new QWidget(this);
    auto* layout = new QGridLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    addList(layout, &C::pttId);
    addList(layout, &C::duplicate);
    for (const CodeRow& code : Table::CodeFields()) {
        const int length = static_cast<int>(FieldTable::Of(code.member).width);
        QLineEdit* field =
            MakeRuledField(area, code.objectName, {FieldRule::Characters::Dtmf, length});
        controls_.*code.field = field;
        addField(layout, code.objectName, Table::Caption(code.member), field);
    }
    return area;
}

QWidget* OptionalFunctionDialog::delayField(const DelayRow& delay) {
    auto* field = new QWidget(this);
    QLineEdit* text = MakeRuledField(field, delay.objectName, kAnyOneByte);
    // The radio's spinner counts up from its upper arrow, which a scroll bar's value runs
    // down from; so the bar holds the negated count.
    auto* spinner = new QScrollBar(Qt::Vertical, field);
    spinner->setObjectName(QString::fromLatin1(delay.spinnerName));
    // Their caption stands in the group, not beside them: they carry its name themselves.
    captions().addAccessibleName(text, Table::Caption(delay.member));
    captions().addAccessibleName(spinner, Table::Caption(delay.member));
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
    controls_.*delay.field = text;
    controls_.*delay.spinner = spinner;
    return field;
}

QGroupBox* OptionalFunctionDialog::buildScanGroup() {
    controls_.scanGroup = new QGroupBox(this);
    captions().add(controls_.scanGroup, TextIds::optional::scanGroup);
    QGridLayout* layout = GroupLayout(controls_.scanGroup, "fraScan");
    for (auto list : {&C::priority, &C::priorityChannel, &C::retraceTimeA, &C::retraceTimeB,
                      &C::returnChannel}) {
        addList(layout, list);
    }
    // The long captions of the delays stand above their boxes.
    for (const DelayRow& delay : Table::DelayFields()) {
        QLabel* caption = makeCaption(delay.objectName, Table::Caption(delay.member));
        QWidget* field = delayField(delay);
        caption->setBuddy(controls_.*delay.field);
        layout->addWidget(caption, layout->rowCount(), 0, 1, 2);
        layout->addWidget(field, layout->rowCount(), 1);
    }
    return controls_.scanGroup;
}

QGroupBox* OptionalFunctionDialog::buildDtmfGroup() {
    controls_.dtmfGroup = new QGroupBox(this);
    captions().add(controls_.dtmfGroup, TextIds::optional::dtmfGroup);
    QGridLayout* layout = GroupLayout(controls_.dtmfGroup, "fraDtmf");
    for (const ListRow& row : Table::DtmfLists()) {
        addList(layout, row.control);
    }
    return controls_.dtmfGroup;
}

DialogGrid* OptionalFunctionDialog::buildMemoryGrid() {
    auto* memories = new DialogGrid(this, "mfgrid1", kMemories + 1, kMemoryColumnTwips,
                                    kMemoryRowTwips, Qt::AlignLeft | Qt::AlignVCenter);
    controls_.memories = memories;
    // The same in both languages.
    memories->setText(0, 0, Tr(TextIds::optional::memoryNumber));
    memories->setText(0, 1, Tr(TextIds::optional::memories));
    captions().addAccessibleName(memories, TextIds::optional::memories);
    for (int row = 1; row <= kMemories; ++row) {
        memories->setText(row, 0, QString::number(row));
    }
    // A full memory shows whole.
    memories->fitColumnToText(
        1, WidestDtmfText(memories->fontMetrics(),
                          static_cast<int>(FieldTable::Of(&Settings::autoDialMemories).width)));
    memories->setItemDelegate(new CellEditorDelegate(
        memories, {FieldRule::Characters::Dtmf, 0},
        [this](int row, int, const QString& typed) { memoryEdited(row, typed); }));
    return memories;
}

// Tab goes down each column, left to right, then to the buttons.
void OptionalFunctionDialog::orderTabs() {
    const C& c = controls_;
    QWidget* const order[] = {
        c.voxFunction,
        c.voxGain,
        c.voxDelay,
        c.voxVolumeControl,
        c.voxCancelOperation,
        c.voxOffWhileReceiving,
        c.pttId,
        c.duplicate,
        c.idCode,
        c.transmitStartCode,
        c.transmitEndCode,
        c.priority,
        c.priorityChannel,
        c.retraceTimeA,
        c.retraceTimeB,
        c.returnChannel,
        c.scanReceiveDelay,
        c.scanReceiveSpinner,
        c.scanTransmitDelay,
        c.scanTransmitSpinner,
        c.dtmfRate,
        c.firstDigitTime,
        c.firstDigitDelay,
        c.starHashTone,
        c.dKeyFunction,
        c.dtmfSideTone,
        c.groupCallCode,
        c.autoResetTimer,
        c.memories,
        c.ok,
        c.cancel,
    };
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

}  // namespace kvd::gui
