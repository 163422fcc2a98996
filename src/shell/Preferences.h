#pragma once

#include <cstdint>

#include <QString>

namespace kvd::gui {

// The preferences file "parameter": byte 0 the edit lock, byte 1 the port number, byte 2 the
// language. Nothing else in the file is read or written, and it is never truncated.
struct Preferences {
    static constexpr const char* kFileName = "parameter";

    std::uint8_t lock = 0;      // 1 locked, 0 unlocked
    std::uint8_t port = 0;      // 1..8, 0 none
    std::uint8_t language = 0;  // 0 Chinese, 1 English

    // Reads the file in folder, creating an empty one when there is none. Bytes the file
    // does not have read as 0, and so does everything when it cannot be read at all or is
    // no regular file (a pipe, a device: ignored, never waited for).
    static Preferences Load(const QString& folder);

    // Writes the three bytes in place. False when the file cannot be written or is no regular
    // file; the caller carries on regardless.
    bool Save(const QString& folder) const;

    static QString PathIn(const QString& folder);

    bool operator==(const Preferences&) const = default;
};

}  // namespace kvd::gui
