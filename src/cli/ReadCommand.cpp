#include <filesystem>
#include <iostream>

#include "cli/Command.h"
#include "cli/LinkSession.h"
#include "image/Backups.h"
#include "image/ChannelFile.h"
#include "image/RadioState.h"
#include "link/qt/BackupLocation.h"

namespace kvd::cli {

// read --port DEVICE --out FILE.DAT [--lang en|zh] [--no-backup]
int RunRead(const Arguments& args) {
    LinkArguments link;
    std::string out;
    bool backup = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string error;
        if (TakeLinkOption(args, i, link, error)) {
            if (!error.empty()) {
                return Fail(error);
            }
        } else if (args[i] == "--no-backup") {
            backup = false;
        } else if (args[i] == "--out" && i + 1 < args.size()) {
            out = args[++i];
        } else {
            return Fail("unknown argument " + args[i]);
        }
    }
    if (link.port.empty() || out.empty()) {
        return Fail("usage: kvd270-cli read --port DEVICE --out FILE.DAT [--no-backup]");
    }
    std::filesystem::path folder = std::filesystem::absolute(out).parent_path();
    if (!std::filesystem::is_directory(folder)) {
        return Fail(out + ": no folder " + folder.string());
    }

    RadioState state = StartupState(link.language);
    if (LinkSession{link.port, false}.Run(kvd::link::Mode::Read, state) !=
        kvd::link::Outcome::ReadDone) {
        return kExitFailed;  // the output file was not touched
    }
    ChannelFile::Result saved = ChannelFile::Save(out, state);
    if (!saved) {
        return Fail(out + ": cannot be written: " + saved.detail);
    }
    if (backup) {
        // The read succeeded and is saved; a backup that cannot be written is only reported.
        Backups::Saved kept = Backups::Save(link::BackupFolder(), state);
        std::cerr << (kept.result ? "backup: " + kept.path.string()
                                  : "kvd270-cli: no backup written: " + kept.result.detail)
                  << "\n";
    }
    return kExitOk;
}

}  // namespace kvd::cli
