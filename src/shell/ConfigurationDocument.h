#pragma once

#include <QString>

#include "image/RadioState.h"
#include "texts/UserText.h"

namespace kvd::gui {

// The window's configuration as a document: where it was last stored (a file, the radio,
// nowhere yet) and a copy of it as it was then. Whether it is modified is a comparison of
// values, not a count of edits, so an edit undone after a save counts as a change again.
class ConfigurationDocument {
public:
    enum class Origin { Untitled, File, ReadFromRadio, WrittenToRadio };

    explicit ConfigurationDocument(const RadioState& stored) : stored_(stored) {}

    // The configuration `state` is what `origin` (the file at `path`) holds now.
    void stored(const RadioState& state, Origin origin, const QString& path = {});
    // The table is no longer what it was stored as (an import); what was stored stays what
    // it is compared with.
    void becomeUntitled();

    // Whether `state` differs from what was last stored, as the comparison of two
    // configurations sees it: channels, settings and band, not the program's flags.
    bool differs(const RadioState& state) const;

    Origin origin() const { return origin_; }
    const QString& path() const { return path_; }
    // What the caption calls it: the file's name, "untitled", "read from the radio"...
    UserText name() const;
    // What the save question calls it.
    UserText subject() const;

private:
    RadioState stored_;
    Origin origin_ = Origin::Untitled;
    QString path_;
};

}  // namespace kvd::gui
