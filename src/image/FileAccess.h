#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "settings/Language.h"

namespace kvd {

// What became of reading or writing a file.
struct FileResult {
    enum Kind { Ok, CannotRead, WrongSignature, CannotWrite };
    enum Cause {
        SystemError,     // the operating system refused; detail has its words
        NotRegularFile,  // a device, a pipe, a socket: never read or replaced
        WriteProtected,  // the file's permissions forbid writing it
    };
    Kind kind = Ok;
    std::string detail;  // why, in English: the system's words or the cause's text
    Cause cause = SystemError;

    explicit operator bool() const { return kind == Ok; }
};

// Why a file could not be used, in the interface language; the system's own words stay as
// they are.
std::string FileProblem(const FileResult& result, LanguageId language);

// Reading and replacing files so that nothing hangs on a pipe or a device, a symbolic link
// keeps pointing at the file it names, and an interrupted write leaves the old file whole.
namespace FileAccess {

// At most the first `limit` bytes of a regular file (links followed). A folder, a pipe or a
// device (on Windows also a device name such as "NUL" or "COM1.DAT") is refused without
// waiting for it.
FileResult ReadRegular(const std::filesystem::path& path, std::string& bytes, std::size_t limit);

// The file a write to `path` changes: the target of a symbolic link (and of a link to a link).
std::filesystem::path WriteTarget(const std::filesystem::path& path);

// Whether Replace could write `path`: its folder exists, and it is missing or a regular file
// that may be written. Checks only; nothing is created.
FileResult CheckWritable(const std::filesystem::path& path);

// Replaces the file whole: the bytes go to a temporary file beside the target, which is then
// renamed over it, so the target holds either the old bytes or the new ones. The target of a
// link is written, the link stays; an existing file keeps its permission bits (and, where
// allowed, its owner). Refuses what is not a regular file and a write-protected file.
FileResult Replace(const std::filesystem::path& path, const std::string& bytes);

// Creates `path` with the bytes, whole, only when no file of that name exists, also against
// other processes doing the same. `taken` tells that the name was in use.
FileResult CreateNew(const std::filesystem::path& path, const std::string& bytes, bool& taken);

// The temporary files that Replace and CreateNew write beside `target` and rename away at
// once: "NAME.kvd270-partial-<random>.tmp". One that stays behind (a crash, a power cut) is
// recognisable by its name and is taken for neither a channel file nor a backup.
std::filesystem::path TemporaryBeside(const std::filesystem::path& target);
bool IsTemporaryName(const std::string& fileName);

// Paths from and to UTF-8 text, the encoding of the interface and the messages. A plain
// std::string would be taken in the Windows code page, where a name like "张三" is lost.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8Of(const std::filesystem::path& path);

}  // namespace FileAccess
}  // namespace kvd
