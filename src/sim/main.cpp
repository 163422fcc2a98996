// kvd270-sim: a virtual KVD-270 on a pseudo-terminal, for trying the program, the tests and
// the benchmarks without a radio.
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "channels/BandTable.h"
#include "image/ChannelFile.h"
#include "sim/DemoImage.h"
#include "sim/PtyRadio.h"
#include "sim/SimOptions.h"

using namespace kvd;
using namespace kvd::sim;
namespace fs = std::filesystem;

namespace {

volatile std::sig_atomic_t gStop = 0;

void OnSignal(int) {
    gStop = 1;
}

void CatchSignals() {
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

// Why a file could not be used. The simulator is a developer's tool and speaks English only;
// the causes the program finds itself have no words of the system.
std::string Why(const FileResult& result) {
    if (!result.detail.empty()) {
        return result.detail;
    }
    return result.cause == FileResult::WriteProtected ? "write-protected" : "not a regular file";
}

bool LoadImage(const SimOptions& options, MemoryImage& image) {
    if (options.file.empty()) {
        int band = options.bandCode ? BandTable::PositionOfCode(*options.bandCode).value_or(0) : 0;
        image = DemoImage(band);
        return true;
    }
    std::string bytes;
    ChannelFile::Result read = ChannelFile::ReadBytes(options.file, bytes);
    if (!read || bytes.size() < ByteMap::kModelTag.size() ||
        !std::equal(ByteMap::kModelTag.begin(), ByteMap::kModelTag.end(), bytes.begin(),
                    [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); })) {
        std::fprintf(stderr, "kvd270-sim: %s: %s\n", options.file.c_str(),
                     read ? "not a KVD-270 channel file" : Why(read).c_str());
        return false;
    }
    bytes.resize(ChannelFile::kSize, '\xFF');
    std::copy(bytes.begin() + ByteMap::kModelTag.size(), bytes.end(), image.begin());
    return true;
}

// Makes `link` point at the device; an existing symbolic link is replaced, anything else kept.
bool MakeLink(const std::string& link, const std::string& device) {
    std::error_code ec;
    fs::file_status status = fs::symlink_status(link, ec);
    if (fs::exists(status) && !fs::is_symlink(status)) {
        std::fprintf(stderr, "kvd270-sim: %s exists and is no symbolic link; left alone\n",
                     link.c_str());
        return false;
    }
    fs::remove(link, ec);
    fs::create_symlink(device, link, ec);
    if (ec) {
        std::fprintf(stderr, "kvd270-sim: cannot make %s: %s\n", link.c_str(),
                     ec.message().c_str());
        return false;
    }
    return true;
}

void RemoveLink(const std::string& link, const std::string& device) {
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(link, ec)) && fs::read_symlink(link, ec) == device) {
        fs::remove(link, ec);
    }
}

void Save(const std::string& path, const RadioSide& radio) {
    MemoryImage image = radio.image();
    std::string bytes(ChannelFile::kSize, '\0');
    std::copy(ByteMap::kModelTag.begin(), ByteMap::kModelTag.end(), bytes.begin());
    std::copy(image.begin(), image.end(), bytes.begin() + ByteMap::kModelTag.size());
    ChannelFile::Result saved = ChannelFile::WriteAtomically(path, bytes);
    if (saved) {
        std::printf("saved %s\n", path.c_str());
    } else {
        std::fprintf(stderr, "kvd270-sim: cannot save %s: %s\n", path.c_str(), Why(saved).c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        std::fputs(kSimUsage, stdout);
        return 0;
    }
    std::string error;
    std::optional<SimOptions> options = ParseSimOptions(argc, argv, error);
    if (!options) {
        std::fprintf(stderr, "kvd270-sim: %s\n%s", error.c_str(), kSimUsage);
        return 2;
    }
    MemoryImage image;
    if (!LoadImage(*options, image)) {
        return 2;
    }
    RadioSide radio(image, options->bandCode, options->faults);
    PtyRadio line(radio, {options->pace, options->splitSize});
    if (line.device().empty()) {
        std::fprintf(stderr, "kvd270-sim: no pseudo-terminal: %s\n", line.error().c_str());
        return 1;
    }
    if (!options->link.empty() && !MakeLink(options->link, line.device())) {
        return 2;
    }
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::printf("%s\n", line.device().c_str());
    CatchSignals();

    int conversations = 0;
    line.Serve(
        [&] {
            return gStop != 0 || (options->exitAfter > 0 && conversations >= options->exitAfter);
        },
        [&] {
            ++conversations;
            const RadioSide::Session& s = radio.lastEnded();
            std::printf(
                "ended %s, %zu blocks\n", s.write ? "write" : "read",
                s.write ? s.writtenAddresses.size() : static_cast<std::size_t>(s.blocksRead));
            if (s.write && !options->save.empty()) {
                Save(options->save, radio);
            }
        });
    if (!options->link.empty()) {
        RemoveLink(options->link, line.device());
    }
    return 0;
}
