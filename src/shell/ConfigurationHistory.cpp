#include "shell/ConfigurationHistory.h"

#include <array>
#include <cstdio>

#include <QAction>
#include <QUndoStack>

#include "image/Comparison.h"
#include "image/FieldTable.h"
#include "settings/PanelList.h"
#include "shell/FileSteps.h"
#include "shell/MainWindow.h"
#include "texts/TextIds.h"
#include "widgets/InterfaceLanguage.h"

namespace kvd::gui {

namespace {

namespace Id = TextIds::undo;

// The channel table's columns 1..8 as the undo items name them.
constexpr std::array<TextId, 8> kColumnNames = {Id::column1, Id::column2, Id::column3, Id::column4,
                                                Id::column5, Id::column6, Id::column7, Id::column8};

bool PanelDiffers(const RadioState& a, const RadioState& b) {
    for (PanelList list : PanelLists::kAll) {
        const auto member = std::get<std::int16_t Settings::*>(FieldTable::Of(list).member);
        if (a.settings.*member != b.settings.*member) {
            return true;
        }
    }
    return false;
}

// Steps that put another document in the table. Once one of them is undone or redone, the
// table is no longer the file or read it came with, so it must not be saved back under that
// name without asking.
bool ReplacesDocument(const UserText& what) {
    const TextId id = what.id();
    return id == Id::newFile || id == Id::open || id == Id::read || id == Id::importCsv;
}

// What the edit lock freezes: the table, the band and the panel.
bool LockedAreasDiffer(const RadioState& a, const RadioState& b) {
    return a.channels != b.channels || a.band.position() != b.band.position() || PanelDiffers(a, b);
}

class ConfigurationStep : public QUndoCommand {
public:
    ConfigurationStep(ConfigurationHistory& history, const RadioState& before,
                      const RadioState& after, UserText what)
        : history_(history),
          before_(before),
          after_(after),
          what_(std::move(what)),
          locked_(LockedAreasDiffer(before, after)) {}

    void undo() override { history_.restore(before_, ReplacesDocument(what_)); }
    void redo() override {
        if (done_) {  // pushed once made: the window holds it already
            done_ = false;
            return;
        }
        history_.restore(after_, ReplacesDocument(what_));
    }

    const UserText& what() const { return what_; }
    bool changesLockedAreas() const { return locked_; }

private:
    ConfigurationHistory& history_;
    RadioState before_;
    RadioState after_;
    UserText what_;
    bool locked_;
    bool done_ = true;
};

const ConfigurationStep* Step(const QUndoStack& stack, int index) {
    return index >= 0 && index < stack.count()
               ? static_cast<const ConfigurationStep*>(stack.command(index))
               : nullptr;
}

}  // namespace

UserText CellEditName(int channel, int column) {
    char number[8];
    std::snprintf(number, sizeof number, "%02d", channel);
    const bool known = column >= 1 && column <= static_cast<int>(kColumnNames.size());
    return {Id::cellEdit,
            {UserText::Verbatim(number), known ? kColumnNames[column - 1] : Id::channelsChange}};
}

UserText ChangeName(const RadioState& before, const RadioState& after) {
    const Differences differences = Compare(before, after);
    if (differences.empty()) {
        return Id::settingsChange;
    }
    const FieldPlace& first = differences.front().place;
    bool oneCell = true;
    bool channelsOnly = true;
    for (const Difference& difference : differences) {
        oneCell = oneCell && difference.place == first;
        channelsOnly = channelsOnly && difference.place.isChannel();
    }
    if (oneCell && first.isChannel()) {
        return CellEditName(first.channel, first.column);
    }
    if (channelsOnly) {
        return Id::channelsChange;
    }
    for (PanelList list : PanelLists::kAll) {
        if (oneCell && first.field == &FieldTable::Of(list)) {
            return Id::panelChange;
        }
    }
    return Id::settingsChange;
}

ConfigurationHistory::ConfigurationHistory(MainWindow& window, QAction* undo, QAction* redo)
    : QObject(&window), window_(window), stack_(new QUndoStack(this)), undo_(undo), redo_(redo) {
    setObjectName(QStringLiteral("ConfigurationHistory"));
    connect(stack_, &QUndoStack::indexChanged, this, &ConfigurationHistory::showActions);
    connect(undo, &QAction::triggered, this, &ConfigurationHistory::undo);
    connect(redo, &QAction::triggered, this, &ConfigurationHistory::redo);
    showActions();
}

void ConfigurationHistory::record(const RadioState& before, const UserText& what) {
    const RadioState& after = window_.state();
    if (restoring_ || Compare(before, after).empty()) {
        return;
    }
    stack_->push(new ConfigurationStep(*this, before, after, what));
}

void ConfigurationHistory::forget() {
    stack_->clear();
    showActions();
}

int ConfigurationHistory::count() const {
    return stack_->count();
}

bool ConfigurationHistory::allowed(int step) const {
    const ConfigurationStep* command = Step(*stack_, step);
    return command && !(window_.isEditLocked() && command->changesLockedAreas());
}

void ConfigurationHistory::undo() {
    FileSteps::CommitOpenEdit(window_);  // an edit in progress is the first to go
    if (allowed(stack_->index() - 1)) {
        stack_->undo();
    }
}

void ConfigurationHistory::redo() {
    FileSteps::CommitOpenEdit(window_);
    if (allowed(stack_->index())) {
        stack_->redo();
    }
}

void ConfigurationHistory::restore(const RadioState& values, bool documentReplaced) {
    if (documentReplaced) {
        window_.configurationSetAside();
    }
    RadioState& state = window_.state();
    state.channels = values.channels;
    state.settings = values.settings;
    state.band.TakeBand(values.band.position());  // the question's own flags stay as they are
    restoring_ = true;
    window_.RefreshFromState();
    restoring_ = false;
}

void ConfigurationHistory::showActions() {
    const ConfigurationStep* back = Step(*stack_, stack_->index() - 1);
    const ConfigurationStep* again = Step(*stack_, stack_->index());
    undo_->setText(back ? Tr(UserText(Id::undoWhat, {back->what()})) : Tr(TextIds::menu::undo));
    redo_->setText(again ? Tr(UserText(Id::redoWhat, {again->what()})) : Tr(TextIds::menu::redo));
    undo_->setEnabled(allowed(stack_->index() - 1));
    redo_->setEnabled(allowed(stack_->index()));
}

}  // namespace kvd::gui
