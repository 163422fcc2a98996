#include "dialogs/ModelessDialog.h"

#include <QPushButton>

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

ModelessDialog::ModelessDialog(DialogHost& host, const char* objectName)
    : QDialog(host.hostWindow()), host_(host) {
    setObjectName(QString::fromLatin1(objectName));
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

RadioState& ModelessDialog::state() {
    return host_.state();
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
