#include <iostream>

#include "channels/CsvExchange.h"
#include "cli/Command.h"
#include "image/ChannelFile.h"
#include "image/QuotedText.h"
#include "image/RadioState.h"

namespace kvd::cli {

// export-csv FILE.DAT OUT.csv
int RunExportCsv(const Arguments& args) {
    if (args.size() != 2) {
        return Fail("usage: kvd270-cli export-csv FILE.DAT OUT.csv");
    }
    RadioState state = StartupState(kEnglish);
    if (!OpenOrReport(args[0], state)) {
        return kExitBadInput;
    }
    if (ChannelFile::Result written =
            ChannelFile::WriteAtomically(args[1], CsvExchange::Export(state.channels));
        !written) {
        return Fail(args[1] + ": cannot be written: " + written.detail);
    }
    return kExitOk;
}

// import-csv IN.csv --out FILE.DAT [--base FILE.DAT] [--band N]
int RunImportCsv(const Arguments& args) {
    std::string input, out, base;
    int band = -1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool hasValue = i + 1 < args.size();
        if (a == "--out" && hasValue) {
            out = args[++i];
        } else if (a == "--base" && hasValue) {
            base = args[++i];
        } else if (a == "--band" && hasValue) {
            const std::string& value = args[++i];
            if (value.size() != 1 || value[0] < '0' || value[0] > '6') {
                return Fail("--band takes a band list position 0..6, not " + QuotedText(value));
            }
            band = value[0] - '0';
        } else if (!a.empty() && a[0] == '-') {
            return Fail("unknown option " + QuotedText(a));
        } else if (input.empty()) {
            input = a;
        } else {
            return Fail("import-csv takes one input file");
        }
    }
    if (input.empty() || out.empty()) {
        return Fail(
            "usage: kvd270-cli import-csv IN.csv --out FILE.DAT [--base FILE.DAT] [--band N]");
    }
    RadioState state = StartupState(kEnglish);
    if (!base.empty()) {
        if (!OpenOrReport(base, state)) {
            return kExitBadInput;
        }
    }
    if (band >= 0) {
        state.band.TakeBand(band);
    }
    std::string csv;
    if (ChannelFile::Result read =
            ChannelFile::ReadBytes(input, csv, CsvExchange::kLargestFile + 1);
        !read) {
        return Fail(input + ": cannot be read: " + read.detail);
    }
    if (csv.size() > CsvExchange::kLargestFile) {
        return Fail(input + ": the file is too large to be a channel list");
    }
    CsvExchange::ImportResult result = CsvExchange::Import(csv, state.band);
    if (result.error) {
        return Fail(input + ": " + CsvExchange::Describe(*result.error, state.band, kEnglish));
    }
    state.channels = result.channels;
    if (ChannelFile::Result saved = ChannelFile::Save(out, state); !saved) {
        return Fail(out + ": cannot be written: " + saved.detail);
    }
    std::cerr << CsvExchange::DescribeSuccess(result, kEnglish) << "\n";
    return kExitOk;
}

}  // namespace kvd::cli
