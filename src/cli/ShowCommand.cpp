#include <cstdio>
#include <iostream>

#include "cli/Command.h"
#include "cli/StateReport.h"
#include "image/ChannelFile.h"
#include "image/RadioState.h"
#include "texts/QuotedText.h"

namespace kvd::cli {

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
                return Fail("--lang takes en or zh, not " + QuotedText(value));
            }
            language = value == "zh" ? kChinese : kEnglish;
        } else if (!a.empty() && a[0] == '-') {
            return Fail("unknown option " + QuotedText(a));
        } else if (path.empty()) {
            path = a;
        } else {
            return Fail("show takes one file");
        }
    }
    if (path.empty()) {
        return Fail("usage: kvd270-cli show FILE.DAT [--lang en|zh] [--json]");
    }

    RadioState state = StartupState(language);
    if (!OpenOrReport(path, state)) {
        return kExitBadInput;
    }
    std::cout << (json ? StateJson(state) : StateText(state));
    return kExitOk;
}

}  // namespace kvd::cli
