#include "dialogs/KeysSetDialog.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "dialogs/Pictures.h"
#include "image/FieldTable.h"
#include "image/RadioState.h"
#include "image/SettingWords.h"
#include "texts/TextIds.h"

namespace kvd::gui {

namespace {

constexpr int kPictureHeight = 220;
// What a stored value outside the list shows.
constexpr int kOffFunction = 1;

int FunctionIndex(std::int16_t stored, int count) {
    return stored >= 0 && stored < count ? stored : kOffFunction;
}

using Key = std::int16_t Settings::*;

QComboBox* KeyList(QWidget* parent, const char* objectName, Key key, Captions& captions) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(objectName));
    const std::vector<UserText> functions = SettingWords::Items(FieldTable::Of(key));
    for (std::size_t function = 0; function < functions.size(); ++function) {
        list->addItem(QString());
    }
    captions.addItems(list, functions);
    list->setMaxVisibleItems(12);
    return list;
}

}  // namespace

KeysSetDialog::KeysSetDialog(DialogHost& host)
    : ModelessDialog(host, "Form6", TextIds::keys::title) {
    picturePf1_ = makePicture("Picture1");
    picturePf2_ = makePicture("Picture2");
    picturePf1_->hide();
    picturePf2_->hide();
    image_ = makePicture("Image1");

    pf1_ = KeyList(this, "Combo1", &Settings::pf1Function, captions());
    pf2_ = KeyList(this, "Combo2", &Settings::pf2Function, captions());
    auto* keys = new QGridLayout;
    int row = 0;
    struct KeyRow {
        const char* labelName;
        Key setting;
        QComboBox* list;
    };
    for (const KeyRow& key : {KeyRow{"Label1", &Settings::pf1Function, pf1_},
                              KeyRow{"Label2", &Settings::pf2Function, pf2_}}) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(key.labelName));
        captions().add(label, SettingWords::Caption(FieldTable::Of(key.setting)));
        QComboBox* list = key.list;
        label->setBuddy(list);
        keys->addWidget(label, row, 0);
        keys->addWidget(list, row, 1);
        list->installEventFilter(this);
        ++row;
    }
    keys->setRowStretch(row, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton());
    buttons->addWidget(cancelButton());
    keys->addLayout(buttons, row + 1, 0, 1, 2);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(image_);
    layout->addLayout(keys);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    captionsDone();
}

QLabel* KeysSetDialog::makePicture(const char* objectName) {
    auto* picture = new QLabel(this);
    picture->setObjectName(QString::fromLatin1(objectName));
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

void KeysSetDialog::beforeFirstShow() {
    picturePf1_->setPixmap(Pictures::Render(Pictures::kRadioPf1, kPictureHeight, this));
    picturePf2_->setPixmap(Pictures::Render(Pictures::kRadioPf2, kPictureHeight, this));
    image_->setPixmap(picturePf1_->pixmap());
}

bool KeysSetDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == pf1_) {
            image_->setPixmap(picturePf1_->pixmap());
        } else if (watched == pf2_) {
            image_->setPixmap(picturePf2_->pixmap());
        }
    }
    return ModelessDialog::eventFilter(watched, event);
}

void KeysSetDialog::fill() {
    const Settings& settings = state().settings;
    pf1_->setCurrentIndex(FunctionIndex(settings.pf1Function, pf1_->count()));
    pf2_->setCurrentIndex(FunctionIndex(settings.pf2Function, pf2_->count()));
}

void KeysSetDialog::store() {
    Settings& settings = state().settings;
    settings.pf1Function = static_cast<std::int16_t>(pf1_->currentIndex());
    settings.pf2Function = static_cast<std::int16_t>(pf2_->currentIndex());
}

}  // namespace kvd::gui
