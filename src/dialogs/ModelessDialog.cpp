#include "dialogs/ModelessDialog.h"

#include <QEvent>
#include <QPushButton>

#include "texts/TextIds.h"
#include "widgets/DialogHost.h"

namespace kvd::gui {

namespace {

QPushButton* PlainButton(QWidget* parent, const char* objectName) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace

ModelessDialog::ModelessDialog(DialogHost& host, const char* objectName, TextId title)
    : QDialog(host.hostWindow()), host_(host) {
    setObjectName(QString::fromLatin1(objectName));
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    captions_.addTitle(this, title);
}

RadioState& ModelessDialog::state() {
    return host_.state();
}

void ModelessDialog::captionsDone() {
    captions_.fitBothLanguages();
    captions_.apply();
    retranslate();
}

void ModelessDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        captions_.apply();
        retranslate();
    }
    QDialog::changeEvent(event);
}

void ModelessDialog::ShowFilled() {
    if (!shownBefore_) {
        shownBefore_ = true;
        beforeFirstShow();
        host_.restorePlace(this);
    }
    fill();
    show();
    raise();
    activateWindow();
}

void ModelessDialog::showReplacedSettings() {
    if (isVisible()) {
        fill();
    }
}

void ModelessDialog::accept() {
    store();
    host_.configurationChanged();
    QDialog::accept();
}

void ModelessDialog::hideEvent(QHideEvent* event) {
    host_.keepPlace(this);
    QDialog::hideEvent(event);
}

QPushButton* ModelessDialog::okButton(const char* objectName) {
    QPushButton* button = PlainButton(this, objectName);
    captions_.add(button, TextIds::dialog::ok);
    connect(button, &QPushButton::clicked, this, &ModelessDialog::accept);
    return button;
}

QPushButton* ModelessDialog::cancelButton(const char* objectName) {
    QPushButton* button = PlainButton(this, objectName);
    captions_.add(button, TextIds::dialog::cancel);
    connect(button, &QPushButton::clicked, this, &ModelessDialog::reject);
    return button;
}

}  // namespace kvd::gui
