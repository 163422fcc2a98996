#include "widgets/LanguageRegistry.h"

#include <algorithm>

namespace kvd::gui {

void LanguageRegistry::add(Entry entry) {
    // Insert behind every entry of the same or a lower rank, keeping the order of addition.
    auto behind =
        std::upper_bound(slots_.begin(), slots_.end(), entry.rank,
                         [](int rank, const Slot& slot) { return rank < slot.entry.rank; });
    slots_.insert(behind, Slot{std::move(entry), nullptr});
}

void LanguageRegistry::ApplyAll(LanguageId language) {
    for (Slot& slot : slots_) {
        if (!slot.window && slot.entry.create) {
            slot.window = slot.entry.create();
        }
        if (!slot.window) {
            continue;
        }
        ApplyCaptions(slot.window, slot.entry.captions, language);
        if (slot.entry.extra) {
            slot.entry.extra(slot.window, language);
        }
    }
}

QWidget* LanguageRegistry::window(int rank) const {
    for (const Slot& slot : slots_) {
        if (slot.entry.rank == rank && slot.window) {
            return slot.window;
        }
    }
    return nullptr;
}

QList<QWidget*> LanguageRegistry::windows() const {
    QList<QWidget*> made;
    for (const Slot& slot : slots_) {
        if (slot.window && !made.contains(slot.window.data())) {
            made.append(slot.window);
        }
    }
    return made;
}

}  // namespace kvd::gui
