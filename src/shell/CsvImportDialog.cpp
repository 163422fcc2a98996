#include "shell/CsvImportDialog.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "channels/Channel.h"
#include "channels/CsvRows.h"
#include "shell/CsvRowModel.h"
#include "texts/TextIds.h"
#include "widgets/InterfaceLanguage.h"
#include "widgets/TableFit.h"

namespace kvd::gui {

namespace {

namespace Id = TextIds::csvImport;

// Rows the dialog shows at once when the file has as many; the rest scroll.
constexpr int kRowsShown = 18;

QPushButton* Button(QWidget* parent, const char* objectName, TextId caption, Captions& captions) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoDefault(false);
    captions.add(button, caption);
    return button;
}

}  // namespace

CsvImportDialog::CsvImportDialog(QWidget* parent, const CsvExchange::FileReading& reading,
                                 const BandSelection& band, const QString& fileName)
    : QDialog(parent), usable_(reading.usableCount()) {
    setObjectName(QStringLiteral("frmImportCsv"));
    captions_.addTitle(this, UserText(Id::title, {UserText::Verbatim(fileName.toStdString())}));

    auto* hint = new QLabel(this);
    hint->setObjectName(QStringLiteral("lblPlacement"));
    hint->setWordWrap(false);  // the dialog is at least as wide as the hint
    captions_.add(hint, reading.keepsLocations() ? Id::keepLocations : Id::inFileOrder);

    model_ = new CsvRowModel(reading, band, this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("gridRows"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->setTabKeyNavigation(false);  // Tab goes on to the buttons
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    captions_.addAccessibleName(table_, Id::rowsName);

    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("lblCount"));
    count_->setWordWrap(true);

    ok_ = Button(this, "cmdOK", TextIds::dialog::ok, captions_);
    QPushButton* cancel = Button(this, "cmdCancel", TextIds::dialog::cancel, captions_);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(count_, 1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);

    connect(model_, &CsvRowModel::choiceChanged, this, [this] {
        refused_ = false;
        showCount();
    });
    connect(model_, &CsvRowModel::tickRefused, this, [this] {
        refused_ = true;
        showCount();
    });
    captions_.fitBothLanguages();
    captions_.apply();
    showCount();
    FitDialogToTable(*this, *table_, kRowsShown);
}

const CsvExchange::RowChoice& CsvImportDialog::choice() const {
    return model_->choice();
}

void CsvImportDialog::showCount() {
    count_->setText(refused_ ? Tr(Id::sixteenChosen)
                             : Tr(UserText(Id::chosen, {UserText::Number(model_->choice().count()),
                                                        UserText::Number(Channels::kCount),
                                                        UserText::Number(usable_),
                                                        UserText::Number(model_->rowCount())})));
}

void CsvImportDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        captions_.apply();
        model_->languageChanged();
        showCount();
    }
    QDialog::changeEvent(event);
}

}  // namespace kvd::gui
