#include <cstdio>
#include <iostream>

#include "cli/Command.h"
#include "cli/StateReport.h"
#include "image/ChannelFile.h"
#include "image/RadioState.h"
#include "texts/TextIds.h"

namespace kvd::cli {

namespace Id = TextIds::cli;

// show FILE.DAT [--lang en|zh] [--json]
int RunShow(const Arguments& args) {
    std::string path;
    bool json = false;
    LanguageId language = kEnglish;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--json") {
            json = true;
        } else if (a == "--lang" && i + 1 < args.size()) {
            const std::string& value = args[++i];
            if (value != "en" && value != "zh") {
                return Fail({Id::language, {Quoted(value)}});
            }
            language = value == "zh" ? kChinese : kEnglish;
        } else if (!a.empty() && a[0] == '-') {
            return Fail({Id::unknownOption, {Quoted(a)}});
        } else if (path.empty()) {
            path = a;
        } else {
            return Fail(Id::oneFile);
        }
    }
    if (path.empty()) {
        return FailUsage(Id::usageShow);
    }

    RadioState state = StartupState(language);
    if (!OpenOrReport(path, state)) {
        return kExitBadInput;
    }
    std::cout << (json ? StateJson(state) : StateText(state));
    return kExitOk;
}

}  // namespace kvd::cli
