// Opens channel files one after another into one state, as the window's Open does, and
// prints after each what `kvd270-cli show --json` prints and the bytes Save would write.
//
//     kvd270-roundtrip en|zh < paths
//
// One block per path read from standard input: "== path", then the JSON (or "refused" for
// a file Open turns down, which leaves the state as it was), then "bytes" and the 853 bytes
// in hexadecimal. compare.py runs a build of an older commit and this one over the same
// files and reports every block that differs.
#include <cstdio>
#include <iostream>
#include <string>

#include "cli/StateReport.h"
#include "image/ChannelFile.h"
#include "image/RadioState.h"

int main(int argc, char** argv) {
    using namespace kvd;
    if (argc != 2 || (std::string(argv[1]) != "en" && std::string(argv[1]) != "zh")) {
        std::cerr << "usage: kvd270-roundtrip en|zh < paths\n";
        return 2;
    }
    RadioState state = StartupState(std::string(argv[1]) == "zh" ? kChinese : kEnglish);
    std::string path;
    std::string out;
    while (std::getline(std::cin, path)) {
        out = "== " + path + "\n";
        const bool opened = static_cast<bool>(ChannelFile::Open(path, state));
        out += opened ? cli::StateJson(state) : "refused\n";
        out += "bytes ";
        static const char kDigits[] = "0123456789ABCDEF";
        for (char c : ChannelFile::Render(state)) {
            const auto b = static_cast<unsigned char>(c);
            out += kDigits[b >> 4];
            out += kDigits[b & 15];
        }
        out += "\n";
        std::fwrite(out.data(), 1, out.size(), stdout);
    }
    return 0;
}
