#include "image/FileAccess.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kvd {

namespace fs = std::filesystem;

namespace {

constexpr LocalText kNotRegular{"不是普通文件（而是设备、管道等）",
                                "not a regular file (a device, a pipe or the like)"};
constexpr LocalText kWriteProtected{"文件是只读的（写保护）", "the file is write-protected"};

// Marks the temporary files; a save renames them away at once.
constexpr std::string_view kTemporaryMark = ".kvd270-partial-";
constexpr std::string_view kTemporarySuffix = ".tmp";

std::string ErrnoText(int error) {
    return std::error_code(error, std::generic_category()).message();
}

FileResult Failure(FileResult::Kind kind, int error) {
    return {kind, ErrnoText(error), FileResult::SystemError};
}

FileResult Failure(FileResult::Kind kind, FileResult::Cause cause) {
    const LocalText& text = cause == FileResult::WriteProtected ? kWriteProtected : kNotRegular;
    return {kind, text.pick(kEnglish), cause};
}

// A file descriptor, closed when it goes. Everything the platforms do differently is here.
class RawFile {
public:
    RawFile() = default;
    RawFile(const RawFile&) = delete;
    RawFile& operator=(const RawFile&) = delete;
    ~RawFile() { close(); }

    // Opens for reading without waiting for a pipe's writer or a device's carrier.
    bool openForReading(const fs::path& path) {
#ifdef _WIN32
        fd_ = ::_wopen(path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
#else
        fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
#endif
        return fd_ >= 0;
    }
    // Creates a file that did not exist, with the permission bits given (before the umask).
    bool createNew(const fs::path& path, unsigned mode) {
#ifdef _WIN32
        fd_ = ::_wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                       (mode & 0200) ? (_S_IREAD | _S_IWRITE) : _S_IREAD);
#else
        fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                     static_cast<mode_t>(mode));
#endif
        return fd_ >= 0;
    }
    bool isRegular() const {
#ifdef _WIN32
        struct _stat64 st {};
        return ::_fstat64(fd_, &st) == 0 && (st.st_mode & _S_IFMT) == _S_IFREG;
#else
        struct stat st {};
        return ::fstat(fd_, &st) == 0 && S_ISREG(st.st_mode);
#endif
    }
    bool isFolder() const {
#ifdef _WIN32
        return false;  // a folder cannot be opened as a file there
#else
        struct stat st {};
        return ::fstat(fd_, &st) == 0 && S_ISDIR(st.st_mode);
#endif
    }
    // Bytes read, 0 at the end, -1 on an error (errno tells).
    long long read(char* buffer, std::size_t size) {
#ifdef _WIN32
        return ::_read(fd_, buffer, static_cast<unsigned>(size));
#else
        for (;;) {
            ssize_t n = ::read(fd_, buffer, size);
            if (n >= 0 || errno != EINTR) {
                return n;
            }
        }
#endif
    }
    bool writeAll(const std::string& bytes) {
        std::size_t done = 0;
        while (done < bytes.size()) {
#ifdef _WIN32
            int n = ::_write(fd_, bytes.data() + done, static_cast<unsigned>(bytes.size() - done));
#else
            ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) {
                continue;
            }
#endif
            if (n <= 0) {
                errno = n == 0 ? EIO : errno;
                return false;
            }
            done += static_cast<std::size_t>(n);
        }
        return true;
    }
    // The data reaches the disk before the rename, so a crash cannot leave an empty file.
    bool sync() {
#ifdef _WIN32
        return ::_commit(fd_) == 0;
#else
        return ::fsync(fd_) == 0;
#endif
    }
    // Gives the new file the old one's permission bits and, where allowed, its owner.
    void takeOwnershipOf([[maybe_unused]] const fs::path& original) {
#ifndef _WIN32
        struct stat st {};
        if (::stat(original.c_str(), &st) == 0) {
            [[maybe_unused]] int ignored = ::fchown(fd_, st.st_uid, st.st_gid);
            ::fchmod(fd_, st.st_mode & 07777);
        }
#endif
    }
    bool close() {
        if (fd_ < 0) {
            return true;
        }
#ifdef _WIN32
        bool ok = ::_close(fd_) == 0;
#else
        bool ok = ::close(fd_) == 0;
#endif
        fd_ = -1;
        return ok;
    }

private:
    int fd_ = -1;
};

// Windows opens a device for these names in any folder and with any extension ("NUL",
// "com1.DAT") and for paths in its device namespace ("\\.\COM1"); the file system does not
// list them, so only the name tells. Opening COM1 opens the serial port, CON waits for typing.
bool IsDeviceName([[maybe_unused]] const fs::path& path) {
#ifdef _WIN32
    if (path.native().starts_with(L"\\\\.\\") || path.native().starts_with(L"//./")) {
        return true;
    }
    std::wstring name = path.filename().native();
    name = name.substr(0, name.find(L'.'));
    while (!name.empty() && name.back() == L' ') {
        name.pop_back();
    }
    for (wchar_t& c : name) {
        c = (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
    }
    for (const wchar_t* device : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"}) {
        if (name == device) {
            return true;
        }
    }
    // Windows' own list of names to avoid has 0 and the superscripts among the port numbers.
    return name.size() == 4 && (name.starts_with(L"COM") || name.starts_with(L"LPT")) &&
           std::wstring_view(L"0123456789\u00B9\u00B2\u00B3").find(name[3]) !=
               std::wstring_view::npos;
#else
    return false;  // devices are special files there, which the file's status tells
#endif
}

// The permission bits a new file asks for: read and write for everyone, less the umask.
constexpr unsigned kNewFileMode = 0666;

bool IsWriteProtected(const fs::path& target) {
#ifdef _WIN32
    std::error_code ec;
    fs::perms perms = fs::status(target, ec).permissions();
    return !ec && (perms & fs::perms::owner_write) == fs::perms::none;
#else
    // The rename would replace a file whatever its bits; the bits are what the user set.
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) {
        return false;
    }
    return (st.st_mode & 0222) == 0 || (::access(target.c_str(), W_OK) != 0 && errno == EACCES);
#endif
}

// A new temporary file beside the target, open for writing.
bool CreateTemporary(const fs::path& target, RawFile& file, fs::path& tmp, int& error) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        tmp = FileAccess::TemporaryBeside(target);
        if (file.createNew(tmp, kNewFileMode)) {
            return true;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    error = errno;
    return false;
}

// Writes the bytes into a new temporary file beside the target; `like` gives it the old
// file's permissions when there is one.
FileResult WriteTemporary(const fs::path& target, const std::string& bytes, bool like,
                          fs::path& tmp) {
    RawFile file;
    int error = 0;
    if (!CreateTemporary(target, file, tmp, error)) {
        return Failure(FileResult::CannotWrite, error);
    }
    if (like) {
        file.takeOwnershipOf(target);
    }
    if (!file.writeAll(bytes) || !file.sync() || !file.close()) {
        error = errno;
        file.close();
        std::error_code ignored;
        fs::remove(tmp, ignored);
        return Failure(FileResult::CannotWrite, error);
    }
    return {};
}

}  // namespace

std::string FileProblem(const FileResult& result, LanguageId language) {
    switch (result.cause) {
        case FileResult::NotRegularFile:
            return kNotRegular.pick(language);
        case FileResult::WriteProtected:
            return kWriteProtected.pick(language);
        case FileResult::SystemError:
            break;
    }
    return result.detail;
}

namespace FileAccess {

FileResult ReadRegular(const fs::path& path, std::string& bytes, std::size_t limit) {
    // Devices are not even opened (opening some has effects); the check after the open
    // covers a file swapped in between.
    if (IsDeviceName(path)) {
        return Failure(FileResult::CannotRead, FileResult::NotRegularFile);
    }
    std::error_code ec;
    fs::file_status status = fs::status(path, ec);
    if (!ec && fs::exists(status) && !fs::is_regular_file(status)) {
        return fs::is_directory(status)
                   ? Failure(FileResult::CannotRead, EISDIR)
                   : Failure(FileResult::CannotRead, FileResult::NotRegularFile);
    }
    RawFile file;
    if (!file.openForReading(path)) {
        return Failure(FileResult::CannotRead, errno);
    }
    if (!file.isRegular()) {
        return file.isFolder() ? Failure(FileResult::CannotRead, EISDIR)
                               : Failure(FileResult::CannotRead, FileResult::NotRegularFile);
    }
    bytes.clear();
    char chunk[4096];
    while (bytes.size() < limit) {
        long long n = file.read(chunk, std::min(sizeof chunk, limit - bytes.size()));
        if (n < 0) {
            return Failure(FileResult::CannotRead, errno);
        }
        if (n == 0) {
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
    return {};
}

fs::path WriteTarget(const fs::path& path) {
    fs::path p = path;
    for (int hops = 0; hops < 40; ++hops) {  // a loop of links ends in an error on writing
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec)) || ec) {
            return p;
        }
        fs::path next = fs::read_symlink(p, ec);
        if (ec) {
            return p;
        }
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    return p;
}

FileResult CheckWritable(const fs::path& path) {
    const fs::path target = WriteTarget(path);
    if (IsDeviceName(target)) {
        return Failure(FileResult::CannotWrite, FileResult::NotRegularFile);
    }
    std::error_code ec;
    fs::file_status status = fs::status(target, ec);
    if (fs::exists(status)) {
        if (fs::is_directory(status)) {
            return Failure(FileResult::CannotWrite, EISDIR);
        }
        if (!fs::is_regular_file(status)) {
            return Failure(FileResult::CannotWrite, FileResult::NotRegularFile);
        }
        if (IsWriteProtected(target)) {
            return Failure(FileResult::CannotWrite, FileResult::WriteProtected);
        }
        return {};
    }
    if (ec && ec != std::errc::no_such_file_or_directory) {
        return {FileResult::CannotWrite, ec.message(), FileResult::SystemError};
    }
    fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    if (!fs::is_directory(folder, ec)) {
        return Failure(FileResult::CannotWrite, ENOENT);
    }
    return {};
}

FileResult Replace(const fs::path& path, const std::string& bytes) {
    const fs::path target = WriteTarget(path);
    FileResult writable = CheckWritable(target);
    if (!writable) {
        return writable;
    }
    std::error_code ec;
    const bool exists = fs::exists(target, ec);
    fs::path tmp;
    FileResult written = WriteTemporary(target, bytes, exists, tmp);
    if (!written) {
        return written;
    }
    fs::rename(tmp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(tmp, ignored);
        return {FileResult::CannotWrite, ec.message(), FileResult::SystemError};
    }
    return {};
}

FileResult CreateNew(const fs::path& path, const std::string& bytes, bool& taken) {
    taken = false;
    fs::path tmp;
    FileResult written = WriteTemporary(path, bytes, false, tmp);
    if (!written) {
        return written;
    }
    // A hard link is made whole or not at all, and never over an existing name.
    std::error_code ec;
    fs::create_hard_link(tmp, path, ec);
    std::error_code ignored;
    fs::remove(tmp, ignored);
    if (!ec) {
        return {};
    }
    if (ec == std::errc::file_exists) {
        taken = true;
        return {FileResult::CannotWrite, ec.message(), FileResult::SystemError};
    }
    // A file system without hard links: claim the name first, then fill it.
    RawFile file;
    if (!file.createNew(path, kNewFileMode)) {
        taken = errno == EEXIST;
        return Failure(FileResult::CannotWrite, errno);
    }
    if (!file.writeAll(bytes) || !file.sync() || !file.close()) {
        int error = errno;
        file.close();
        fs::remove(path, ignored);
        return Failure(FileResult::CannotWrite, error);
    }
    return {};
}

fs::path TemporaryBeside(const fs::path& target) {
    static std::mt19937_64 random{std::random_device{}()};
    char mark[48];
    std::snprintf(mark, sizeof mark, "%s%016llx%s", kTemporaryMark.data(),
                  static_cast<unsigned long long>(random()), kTemporarySuffix.data());
    fs::path tmp = target;
    tmp += mark;
    return tmp;
}

bool IsTemporaryName(const std::string& fileName) {
    std::size_t mark = fileName.rfind(kTemporaryMark);
    return mark != std::string::npos && fileName.ends_with(kTemporarySuffix);
}

fs::path PathFromUtf8(std::string_view utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8Of(const fs::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

}  // namespace FileAccess
}  // namespace kvd
