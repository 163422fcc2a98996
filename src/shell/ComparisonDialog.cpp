#include "shell/ComparisonDialog.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "image/DifferenceTexts.h"
#include "texts/TextIds.h"
#include "widgets/InterfaceLanguage.h"
#include "widgets/TableFit.h"

namespace kvd::gui {

namespace {

namespace Id = TextIds::compare;

constexpr int kRowsShown = 20;

QLabel* Label(QWidget* parent, const char* objectName) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setWordWrap(true);
    return label;
}

QPushButton* Button(QWidget* parent, const char* objectName, TextId caption, Captions& captions) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(objectName));
    captions.add(button, caption);
    return button;
}

}  // namespace

ComparisonDialog::ComparisonDialog(QWidget* parent, Purpose purpose, UserText heading, Sides sides,
                                   std::vector<ComparisonRow> rows)
    : QDialog(parent), sides_(std::move(sides)), rows_(std::move(rows)) {
    const bool asks = purpose == Purpose::ConfirmWrite;
    setObjectName(QStringLiteral("frmCompare"));
    captions_.addTitle(this, asks ? Id::confirmTitle : Id::title);
    heading_ = Label(this, "lblHeading");
    captions_.add(heading_, std::move(heading));
    none_ = Label(this, "lblNoDifferences");
    captions_.add(none_, DifferenceTexts::NoDifferences());

    table_ = new QTableWidget(static_cast<int>(rows_.size()), 3, this);
    table_->setObjectName(QStringLiteral("gridDifferences"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setWordWrap(false);
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    captions_.addAccessibleName(table_, Id::differencesName);
    for (int row = 0; row < table_->rowCount(); ++row) {
        if (rows_[static_cast<std::size_t>(row)].heading) {
            table_->setSpan(row, 0, 1, 3);
        }
    }

    auto* buttons = new QHBoxLayout;
    if (asks) {
        QLabel* question = Label(this, "lblQuestion");
        question->setWordWrap(false);
        captions_.add(question, TextIds::link::confirmWrite);
        buttons->addWidget(question, 1);
    } else {
        buttons->addStretch(1);
    }
    accept_ = Button(this, "cmdAccept", asks ? Id::write : Id::close, captions_);
    connect(accept_, &QPushButton::clicked, this, asks ? &QDialog::accept : &QDialog::reject);
    buttons->addWidget(accept_);
    if (asks) {
        QPushButton* cancel = Button(this, "cmdCancel", TextIds::dialog::cancel, captions_);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
        buttons->addWidget(cancel);
        cancel->setDefault(true);
        cancel->setFocus();
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(rows_.empty() ? static_cast<QWidget*>(none_) : table_, 1);
    (rows_.empty() ? static_cast<QWidget*>(table_) : none_)->hide();
    layout->addLayout(buttons);

    captions_.fitBothLanguages();
    captions_.apply();
    fill();
    FitDialogToTable(*this, *table_, rows_.empty() ? 0 : kRowsShown);
}

// Writes the table's texts in the interface language.
void ComparisonDialog::fill() {
    table_->setHorizontalHeaderLabels({Tr(Id::field), Tr(sides_.ours), Tr(sides_.theirs)});
    for (int row = 0; row < table_->rowCount(); ++row) {
        const ComparisonRow& r = rows_[static_cast<std::size_t>(row)];
        const QString texts[] = {Tr(r.caption), r.heading ? QString() : Tr(r.ours),
                                 r.heading ? QString() : Tr(r.theirs)};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            if (r.heading) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            table_->setItem(row, column, item);
        }
    }
}

void ComparisonDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        captions_.apply();
        fill();
    }
    QDialog::changeEvent(event);
}

}  // namespace kvd::gui
