#pragma once

#include <QString>

namespace kvd::gui {

// The write's checks the user chose in the Programming menu, kept in "kvd270.ini" in the
// configuration folder (the three-byte "parameter" file has no room for them). Both are on
// until the user turns one off.
struct WriteOptions {
    static constexpr const char* kFileName = "kvd270.ini";

    bool backupFirst = true;  // read the radio and keep that read before writing
    bool verifyAfter = true;  // read the radio back after writing and compare

    static WriteOptions Load(const QString& folder);
    void Save(const QString& folder) const;

    bool operator==(const WriteOptions&) const = default;
};

}  // namespace kvd::gui
