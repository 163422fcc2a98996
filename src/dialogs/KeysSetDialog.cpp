#include "dialogs/KeysSetDialog.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "dialogs/DialogCaptions.h"
#include "dialogs/DialogFit.h"
#include "dialogs/Pictures.h"
#include "image/RadioState.h"

namespace kvd::gui {

namespace {

constexpr int kPictureHeight = 220;
// What a stored value outside the list shows.
constexpr int kOffFunction = 1;

int FunctionIndex(std::int16_t stored, int count) {
    return stored >= 0 && stored < count ? stored : kOffFunction;
}

QComboBox* KeyList(QWidget* parent, const char* objectName) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(objectName));
    for (const LocalText& function : DialogCaptions::KeyFunctions()) {
        list->addItem(QString::fromUtf8(function.zh));
    }
    list->setMaxVisibleItems(12);
    return list;
}

}  // namespace

KeysSetDialog::KeysSetDialog(MainWindow& owner) : ModelessDialog(owner, "Form6") {
    picturePf1_ = makePicture("Picture1", Pictures::kRadioPf1);
    picturePf2_ = makePicture("Picture2", Pictures::kRadioPf2);
    picturePf1_->hide();
    picturePf2_->hide();
    image_ = makePicture("Image1", Pictures::kRadioPf1);

    pf1_ = KeyList(this, "Combo1");
    pf2_ = KeyList(this, "Combo2");
    auto* keys = new QGridLayout;
    int row = 0;
    for (auto [labelName, list] : {std::pair{"Label1", pf1_}, {"Label2", pf2_}}) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(labelName));
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
    FitDialogCaptions(this, DialogCaptions::KeysSet());
}

QLabel* KeysSetDialog::makePicture(const char* objectName, const char* resource) {
    auto* picture = new QLabel(this);
    picture->setObjectName(QString::fromLatin1(objectName));
    picture->setPixmap(Pictures::Render(resource, kPictureHeight, this));
    picture->setAlignment(Qt::AlignCenter);
    return picture;
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
