#include "dialogs/ModelessDialog.h"

#include <QPushButton>

#include "shell/MainWindow.h"

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

ModelessDialog::ModelessDialog(MainWindow& owner, const char* objectName)
    : QDialog(&owner), owner_(owner) {
    setObjectName(QString::fromLatin1(objectName));
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

RadioState& ModelessDialog::state() {
    return owner_.state();
}

void ModelessDialog::ShowFilled() {
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
    QDialog::accept();
}

QPushButton* ModelessDialog::okButton(const char* objectName) {
    QPushButton* button = PlainButton(this, objectName);
    connect(button, &QPushButton::clicked, this, &ModelessDialog::accept);
    return button;
}

QPushButton* ModelessDialog::cancelButton(const char* objectName) {
    QPushButton* button = PlainButton(this, objectName);
    connect(button, &QPushButton::clicked, this, &ModelessDialog::reject);
    return button;
}

}  // namespace kvd::gui
