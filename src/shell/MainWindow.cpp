#include "shell/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QGroupBox>
#include <QMenuBar>
#include <QProgressBar>
#include <QSettings>

#include "image/RadioState.h"
#include "settings/MessageBoxStyle.h"
#include "shell/BandCombo.h"
#include "shell/ChannelGrid.h"
#include "shell/ChannelTableModel.h"
#include "shell/ConfigFolder.h"
#include "shell/ConfigurationHistory.h"
#include "shell/FunctionPanel.h"
#include "shell/Preferences.h"
#include "texts/TextIds.h"
#include "widgets/InterfaceLanguage.h"
#include "widgets/LocalizedMessageBox.h"
#include "widgets/WheelGuard.h"

namespace kvd::gui {

MainWindow::MainWindow(RadioState& state, Options options)
    : state_(state),
      configFolder_(options.configFolder.isEmpty() ? ResolveConfigFolder() : options.configFolder),
      document_(state),
      recorded_(state),
      remembered_(
          new QSettings(configFolder_ + QStringLiteral("/kvd270.ini"), QSettings::IniFormat, this)),
      places_(remembered_) {
    UseLanguage(state_.flags.Language);
    buildWidgets();
    IgnoreUnfocusedWheel(this);
    captions_.fitBothLanguages();
    fitMenuBar();
    captions_.apply();
    showCaption();
    checkLanguageItem();
    history_ = new ConfigurationHistory(*this, menus_.undo, menus_.redo);
    connectCommands();
    setAcceptDrops(true);
}

MainWindow::~MainWindow() = default;

// Chinese captions set a taller menu bar than English ones. It keeps the taller height, so
// that a language switch does not change the room the table takes.
void MainWindow::fitMenuBar() {
    int tallest = 0;
    for (LanguageId language : {kChinese, kEnglish}) {
        captions_.applyIn(language);
        tallest = std::max(tallest, menuBar()->sizeHint().height());
    }
    menuBar()->setMinimumHeight(tallest);
}

void MainWindow::connectCommands() {
    connect(menus_.quit, &QAction::triggered, this, &QWidget::close);
    connect(menus_.lock, &QAction::toggled, this,
            [this](bool locked) { setAreasEnabled(!locked); });
    connect(menus_.chinese, &QAction::triggered, this,
            [this] { switchLanguage(kEnglish, kChinese); });
    connect(menus_.english, &QAction::triggered, this,
            [this] { switchLanguage(kChinese, kEnglish); });
    connect(bandList_, &QComboBox::currentIndexChanged, this, &MainWindow::bandChanged);
    connect(panel_, &FunctionPanel::choiceMade, this, [this] { configurationChanged(); });
    connect(menus_.lock, &QAction::toggled, history_, &ConfigurationHistory::showActions);
    connect(this, &MainWindow::languageChanged, history_, &ConfigurationHistory::showActions);
}

void MainWindow::Startup() {
    loadPreferences();
    ApplyStartupDefaults(state_);
    progress_->hide();
    RefreshFromState();
    configurationStored(ConfigurationDocument::Origin::Untitled);
    history_->forget();  // the start-up values are where undo ends
    UseLanguage(state_.flags.Language);
    checkLanguageItem();
    restorePlace(this);
}

void MainWindow::loadPreferences() {
    const Preferences stored = Preferences::Load(configFolder_);
    // Other lock values were never written by the program; they leave the lock as it is.
    if (stored.lock <= 1) {
        menus_.lock->setChecked(stored.lock == 1);
    }
    state_.flags.PortNumber = stored.port;
    // The port comes back before the language, so its failure speaks the default language.
    if (restorePort_) {
        restorePort_(state_.flags.PortNumber);
    }
    state_.flags.Language = stored.language;
}

void MainWindow::savePreferences() const {
    const Preferences current{static_cast<std::uint8_t>(isEditLocked() ? 1 : 0),
                              static_cast<std::uint8_t>(state_.flags.PortNumber),
                              static_cast<std::uint8_t>(state_.flags.Language)};
    // A folder that cannot be written only costs the next run its preferences.
    current.Save(configFolder_);
}

void MainWindow::switchLanguage(LanguageId from, LanguageId to) {
    if (state_.flags.Language == from) {
        state_.flags.Language = to;
        UseLanguage(to);
        model_->allChanged();  // the cells show the same values in the other language
    }
    checkLanguageItem();  // a click on the checked item took its mark off
}

// The Language menu marks the interface language; a language that is neither (a stored 2)
// marks none.
void MainWindow::checkLanguageItem() {
    menus_.chinese->setChecked(state_.flags.Language == kChinese);
    menus_.english->setChecked(state_.flags.Language == kEnglish);
}

void MainWindow::changeEvent(QEvent* event) {
    // The window hears of a change while it is being made, before it has anything to write.
    if (event->type() == QEvent::LanguageChange && model_) {
        captions_.apply();
        showCaption();
        model_->captionsChanged();
        emit languageChanged();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::RefreshFromState() {
    RefreshFromState(ChangeName(recorded_, state_));
}

void MainWindow::RefreshFromState(const UserText& what) {
    bandList_->showBand();
    panel_->showChoices();
    model_->allChanged();
    emit stateReplaced();
    configurationChanged(what);
}

bool MainWindow::isEditLocked() const {
    return menus_.lock->isChecked();
}

void MainWindow::setAreasEnabled(bool enabled) {
    bandFrame_->setEnabled(enabled);
    panel_->setEnabled(enabled);
    grid_->setEnabled(enabled);
}

void MainWindow::bandChanged(int position) {
    state_.band.Select(position, state_.channels, [this] { return confirmBandChange(); });
    bandList_->showBand();
    model_->allChanged();
    configurationChanged(TextIds::undo::bandChange);
}

bool MainWindow::confirmBandChange() {
    namespace Style = MessageBoxStyle;
    const int style =
        Style::kOkCancel | Style::kQuestion | Style::kDefaultSecond | Style::kSystemModal;
    return LocalizedMessageBox(Tr(TextIds::main::bandChangePrompt), style,
                               Tr(TextIds::main::bandChangeTitle)) == Style::kIdOk;
}

int MainWindow::LocalizedMessageBox(const QString& prompt, int style, const QString& title) {
    return gui::LocalizedMessageBox(this, prompt, style, title);
}

void MainWindow::setPortRestorer(std::function<void(int)> restore) {
    restorePort_ = std::move(restore);
}

void MainWindow::addCloseHandler(std::function<void()> handler) {
    closeHandlers_.push_back(std::move(handler));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!shutDown_) {
        emit closeRequested();
        if (!settleUnsavedChanges()) {
            event->ignore();
            return;
        }
        keepPlace(this);
    }
    shutDown();
    event->accept();
}

void MainWindow::shutDown() {
    if (shutDown_) {
        return;
    }
    shutDown_ = true;
    for (const auto& handler : closeHandlers_) {
        handler();
    }
    savePreferences();
    // Every other window goes with this one.
    for (QDialog* window : findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) {
        window->close();
    }
}

}  // namespace kvd::gui
