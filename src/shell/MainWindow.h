#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QMainWindow>

#include "image/RadioState.h"
#include "shell/ConfigurationDocument.h"
#include "shell/MainMenus.h"
#include "shell/MainToolBar.h"
#include "widgets/Captions.h"
#include "widgets/DialogHost.h"
#include "widgets/WindowPlaces.h"

class QGroupBox;
class QLabel;
class QProgressBar;
class QSettings;

namespace kvd {
struct RadioState;
}

namespace kvd::gui {

class BandCombo;
class ChannelGrid;
class ChannelTableModel;
class ConfigurationHistory;
class FunctionPanel;

// The main window `Form1`. It shows and edits the one RadioState of the run and keeps no
// copy of it. Later parts of the program attach to it through this interface:
//  - the menu items and toolbar buttons (menus(), toolBar()); a toolbar button with a menu
//    item triggers that item, so connect the item only;
//  - the state, the grid and its model, the band list, the panel, the status label `Label`
//    and the progress bar `ProgressBar1`;
//  - LocalizedMessageBox() for every message;
//  - languageChanged() to write texts of their own in the new interface language;
//  - setPortRestorer() for the port stored in the preferences, addCloseHandler() for work
//    at shut-down, configFolder() for files kept beside the preferences;
//  - RefreshFromState() after the state was replaced under the window (a read, a file, New,
//    an import); stateReplaced() then tells the parts that show or edit it;
//  - configurationChanged() after every change of the configuration, and
//    configurationStored() once it was opened, saved, read or written;
//    settleUnsavedChanges() before anything replaces it;
//  - remembered() for what the program keeps between runs beside the preferences.
class MainWindow : public QMainWindow, public DialogHost {
    Q_OBJECT
public:
    struct Options {
        // Where the preferences live; empty: the program's folder when writable, else the
        // per-user configuration folder.
        QString configFolder;
    };

    explicit MainWindow(RadioState& state, Options options = {});
    ~MainWindow() override;

    // Start-up, before the window is shown: preferences, port, band 0, start-up defaults,
    // and the stored language, which every window of the program then speaks.
    void Startup();

    // Makes the band list, the panel lists and the grid show the state again, then emits
    // stateReplaced.
    void RefreshFromState();
    // The same, naming the change for its undo item ("Undo read from the radio").
    void RefreshFromState(const UserText& what);

    // A message in the interface language's buttons, owned by this window.
    int LocalizedMessageBox(const QString& prompt, int style, const QString& title = {}) override;

    QWidget* hostWindow() override { return this; }
    RadioState& state() override { return state_; }

    // Every change of the configuration ends here: whatever changed state() (a cell, the
    // band, a panel list, a dialog's OK, New, a file, a read, an import) calls it once the
    // change is made. It compares the configuration with the one last stored and shows the
    // result in the caption.
    // Each change becomes one step of the undo history, named `what` or, without a name, by
    // what differs.
    void configurationChanged() override;
    void configurationChanged(const UserText& what);
    // The configuration as it is now is what `origin` (the file at `path`) holds: it was
    // opened, saved, read or written, or is a new one.
    void configurationStored(ConfigurationDocument::Origin origin, const QString& path = {});
    // A write put `written` into the radio. When it differs from what was last stored, the
    // radio is now where the configuration is kept.
    void configurationWritten(const RadioState& written);
    // The table now holds what is stored nowhere (an import): untitled, and unsaved as far
    // as it differs from what was last stored.
    void configurationImported();
    // The table is no longer the document it came as (an undone or redone Open, Read, New or
    // import): untitled, so it is never saved back under that name without a question.
    void configurationSetAside();
    const ConfigurationDocument& document() const { return document_; }
    bool isConfigurationModified() const { return document_.differs(state_); }

    // Before something replaces the configuration: with unsaved changes, asks "Save changes
    // to ...?" with Save, Discard and Cancel. True when the caller may go on: nothing was
    // unsaved, it was saved, or the user discarded it.
    bool settleUnsavedChanges();
    // How the question's Save saves; true once saved.
    void setSaver(std::function<bool()> save) { save_ = std::move(save); }
    // Opens a channel file as Open does, asking first (a drop, the command line, the recent
    // list): emits openRequested, which the file commands answer.
    void requestOpen(const QString& path) { emit openRequested(path); }

    // The program's settings file in the configuration folder: recent files, window places.
    QSettings& remembered() const { return *remembered_; }
    void restorePlace(QWidget* window) override { places_.restore(window); }
    void keepPlace(const QWidget* window) override { places_.keep(window); }
    const QString& configFolder() const { return configFolder_; }
    bool isEditLocked() const;

    const MainMenus& menus() const { return menus_; }
    const MainToolBar& toolBar() const { return toolBar_; }
    ConfigurationHistory& history() const { return *history_; }
    ChannelGrid* grid() const { return grid_; }
    ChannelTableModel* gridModel() const { return model_; }
    // The band frame `Frame1`; a read or a write enables it even while the edit lock is on.
    QGroupBox* bandFrame() const { return bandFrame_; }
    BandCombo* bandList() const { return bandList_; }
    FunctionPanel* functionPanel() const { return panel_; }
    QLabel* statusLabel() const { return status_; }
    QProgressBar* progressBar() const { return progress_; }

    // Called at start-up with the stored port number, before the stored language is taken.
    void setPortRestorer(std::function<void(int port)> restore);
    // Run once when the window closes, in the order added, before the preferences are saved.
    void addCloseHandler(std::function<void()> handler);

signals:
    // The state was replaced as a whole: an open editor or dialog holds values of the old
    // one and must not put them back.
    void stateReplaced();
    // The interface language changed; the window's own texts are written already.
    void languageChanged();
    // The user asked to close the window: an edit in progress is written now, before the
    // window asks whether anything is unsaved.
    void closeRequested();
    void openRequested(const QString& path);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    QMenu* createPopupMenu() override { return nullptr; }

private:
    void buildWidgets();
    QWidget* buildCentralArea();
    QGroupBox* buildBandFrame(QWidget* parent);
    void fitMenuBar();
    void connectCommands();
    void loadPreferences();
    void savePreferences() const;
    void setAreasEnabled(bool enabled);
    void switchLanguage(LanguageId from, LanguageId to);
    void checkLanguageItem();
    void bandChanged(int position);
    bool confirmBandChange();
    void shutDown();
    void showCaption();

    RadioState& state_;
    QString configFolder_;
    std::function<void(int)> restorePort_;
    std::vector<std::function<void()>> closeHandlers_;
    bool shutDown_ = false;
    ConfigurationDocument document_;
    RadioState recorded_;  // the configuration as the last change left it
    ConfigurationHistory* history_ = nullptr;
    std::function<bool()> save_;
    QSettings* remembered_;
    WindowPlaces places_;

    Captions captions_;
    MainMenus menus_;
    MainToolBar toolBar_;
    ChannelGrid* grid_ = nullptr;
    ChannelTableModel* model_ = nullptr;
    QGroupBox* bandFrame_ = nullptr;
    BandCombo* bandList_ = nullptr;
    FunctionPanel* panel_ = nullptr;
    QLabel* status_ = nullptr;
    QProgressBar* progress_ = nullptr;
};

}  // namespace kvd::gui
