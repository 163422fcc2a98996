#pragma once

#include <functional>
#include <vector>

#include <QPointer>
#include <QWidget>

#include "settings/Language.h"
#include "widgets/CaptionTable.h"

namespace kvd::gui {

// The windows whose texts the language switch writes, each with its caption table and the
// factory that makes it. Each window adds its own entry; the switch visits them by rank.
class LanguageRegistry {
public:
    // The order in which the switch visits the windows. Entries of one rank run in the
    // order they were added.
    enum Rank {
        kMainWindow = 0,
        kPowerDebug = 10,
        kDebugFrequency = 20,
        kOptionalFunction = 30,
        kKeysSet = 40,
        kEmbeddedInformation = 50,
        kAbout = 60,
    };

    struct Entry {
        int rank = kMainWindow;
        // Makes the window, hidden; called once, the first time the switch reaches it.
        std::function<QWidget*()> create;
        // The window's caption table; may be empty.
        CaptionTable captions;
        // Texts beyond the table (generated lists, grids), written after it; optional.
        std::function<void(QWidget*, LanguageId)> extra;
    };

    void add(Entry entry);

    // Writes every registered window's texts for the language, making windows that do not
    // exist yet.
    void ApplyAll(LanguageId language);

    // The window of the first entry of a rank, once made; nullptr before.
    QWidget* window(int rank) const;
    // Every window made so far, in visiting order.
    QList<QWidget*> windows() const;

private:
    struct Slot {
        Entry entry;
        QPointer<QWidget> window;
    };
    std::vector<Slot> slots_;
};

}  // namespace kvd::gui
