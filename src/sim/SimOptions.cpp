#include "sim/SimOptions.h"

#include <array>
#include <charconv>
#include <string_view>

#include "image/ByteMap.h"

namespace kvd::sim {

const char* const kSimUsage =
    "usage: kvd270-sim [--file FILE.DAT] [--band-code HEX] [--save FILE.DAT] [--link PATH]\n"
    "                  [--pace] [--split N] [--exit-after N]\n"
    "                  [--silent] [--stop-after N] [--wrong-address N] [--garbage-ack N] "
    "[--extra-byte N]\n"
    "                  [--stuck-byte OFFSET]... [--restart-delay MS]\n"
    "A virtual KVD-270 on a pseudo-terminal. The first line of output is the device to open.\n"
    "  --file FILE.DAT   serve this channel file (default: a built-in image with a few channels)\n"
    "  --band-code HEX   answer with this band code, e.g. 01 for 136-174MHz\n"
    "  --save FILE.DAT   keep what a write brings in this channel file\n"
    "  --link PATH       make PATH a symbolic link to the device (e.g. CONFIG/COM1)\n"
    "  --pace            send and take bytes at the line's speed, 1/960 s each\n"
    "  --split N         send replies in pieces of N bytes\n"
    "  --exit-after N    stop after N conversations\n"
    "faults (N counts from 1):\n"
    "  --silent          answer nothing\n"
    "  --stop-after N    fall silent after N blocks\n"
    "  --wrong-address N give read answer N the address of the next block\n"
    "  --garbage-ack N   send 15 instead of acknowledgement N\n"
    "  --extra-byte N    put one byte too many behind reply N\n"
    "  --stuck-byte OFFSET  writes leave the byte at this image offset (0x124 or 292) as it is;\n"
    "                    may be given more than once\n"
    "  --restart-delay MS  after each \"E\" ignore everything for MS milliseconds, as a radio\n"
    "                    that restarts\n";

namespace {

bool ParseNumber(std::string_view text, int base, long& value) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return ec == std::errc() && end == text.data() + text.size();
}

struct CountOption {
    const char* name;
    int SimOptions::*plain;
    int Faults::*fault;
};

constexpr std::array<CountOption, 7> kCounts = {{
    {"--split", &SimOptions::splitSize, nullptr},
    {"--exit-after", &SimOptions::exitAfter, nullptr},
    {"--stop-after", nullptr, &Faults::stopAfterBlocks},
    {"--wrong-address", nullptr, &Faults::wrongAddressBlock},
    {"--garbage-ack", nullptr, &Faults::garbageAck},
    {"--extra-byte", nullptr, &Faults::extraByteReply},
    {"--restart-delay", nullptr, &Faults::restartDelayMs},
}};

}  // namespace

std::optional<SimOptions> ParseSimOptions(int argc, char** argv, std::string& error) {
    SimOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--pace") {
            options.pace = true;
        } else if (arg == "--silent") {
            options.faults.silent = true;
        } else if ((arg == "--file" || arg == "--save" || arg == "--link") && hasValue) {
            std::string& target = arg == "--file"   ? options.file
                                  : arg == "--save" ? options.save
                                                    : options.link;
            target = argv[++i];
        } else if (arg == "--stuck-byte" && hasValue) {
            const std::string_view text = argv[++i];
            const bool hex = text.starts_with("0x") || text.starts_with("0X");
            long offset = 0;
            if (!ParseNumber(hex ? text.substr(2) : text, hex ? 16 : 10, offset) || offset < 0 ||
                offset >= static_cast<long>(ByteMap::kImageSize)) {
                error = "--stuck-byte takes an image offset below 0x350, e.g. 0x124";
                return std::nullopt;
            }
            options.faults.stuckBytes.push_back(static_cast<std::size_t>(offset));
        } else if (arg == "--band-code" && hasValue) {
            long code = 0;
            if (!ParseNumber(argv[++i], 16, code) || code < 0 || code > 0xFF) {
                error = "--band-code takes one byte in hexadecimal, e.g. 33";
                return std::nullopt;
            }
            options.bandCode = static_cast<std::uint8_t>(code);
        } else {
            const CountOption* count = nullptr;
            for (const CountOption& c : kCounts) {
                count = arg == c.name ? &c : count;
            }
            long n = 0;
            if (!count || !hasValue || !ParseNumber(argv[++i], 10, n) || n < 0 || n > 1'000'000) {
                error = count ? std::string(arg) + " takes a number"
                              : "unknown option " + std::string(arg);
                return std::nullopt;
            }
            (count->plain ? options.*(count->plain) : options.faults.*(count->fault)) =
                static_cast<int>(n);
        }
    }
    return options;
}

}  // namespace kvd::sim
