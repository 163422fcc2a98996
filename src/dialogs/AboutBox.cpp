#include "dialogs/AboutBox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "dialogs/Pictures.h"
#include "texts/TextIds.h"
#include "widgets/MakerLine.h"

namespace kvd::gui {

namespace {

constexpr int kIconHeight = 64;
constexpr int kRadioHeight = 150;

QLabel* Picture(QWidget* parent, const char* objectName) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(QString::fromLatin1(objectName));
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

QLabel* Text(QWidget* parent, const char* objectName, TextId caption, Captions& captions) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    captions.add(label, caption);
    return label;
}

}  // namespace

AboutBox::AboutBox(DialogHost& host) : ModelessDialog(host, "frmAbout", TextIds::about::title) {
    namespace Id = TextIds::about;
    QLabel* title = Text(this, "lblTitle", Id::heading, captions());
    QFont large = title->font();
    large.setPointSizeF(large.pointSizeF() * 1.4);
    large.setBold(true);
    title->setFont(large);

    auto* maker = new MakerLine(this, "lblDescription");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton(this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setAutoDefault(false);
    captions().add(ok, TextIds::dialog::ok);
    connect(ok, &QPushButton::clicked, this, &AboutBox::reject);
    buttons->addWidget(ok);

    auto* layout = new QGridLayout(this);
    icon_ = Picture(this, "picIcon");
    radio_ = Picture(this, "picRadio");
    layout->addWidget(icon_, 0, 0, Qt::AlignTop);
    layout->addWidget(title, 0, 1);
    layout->addWidget(Text(this, "lblVersion", Id::version, captions()), 1, 1);
    layout->addWidget(Text(this, "Label2", Id::issue, captions()), 2, 1);
    layout->addWidget(radio_, 0, 2, 4, 1);
    layout->addWidget(maker, 4, 0, 1, 3);
    layout->addLayout(buttons, 5, 0, 1, 3);
    layout->setRowStretch(3, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    captionsDone();
}

void AboutBox::beforeFirstShow() {
    icon_->setPixmap(Pictures::Render(Pictures::kProgram, kIconHeight, this));
    radio_->setPixmap(Pictures::Render(Pictures::kRadio, kRadioHeight, this));
}

}  // namespace kvd::gui
