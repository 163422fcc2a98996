#include "cli/Command.h"

#include <iostream>

#include "catalogue/Catalogue.h"
#include "image/ChannelFile.h"

namespace kvd::cli {

int Fail(const std::string& message) {
    std::cerr << "kvd270-cli: " << message << "\n";
    return kExitBadInput;
}

bool OpenOrReport(const std::string& path, RadioState& state) {
    ChannelFile::Result opened = ChannelFile::Open(path, state);
    if (!opened) {
        Fail(path + (opened.kind == ChannelFile::Result::WrongSignature
                         ? ": not a KVD-270 channel file (wrong signature)"
                         : ": cannot be read: " + TextIn(FileProblem(opened), kEnglish)));
    }
    return static_cast<bool>(opened);
}

}  // namespace kvd::cli
