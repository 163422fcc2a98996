#include <iostream>
#include <optional>

#include "channels/BandSelection.h"
#include "channels/CsvChoice.h"
#include "channels/CsvExchange.h"
#include "channels/CsvRows.h"
#include "channels/CsvTexts.h"
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

namespace {

// A row left out of the import, and why.
std::string LeftOutReason(const CsvExchange::FileRow& row, const BandSelection& band, bool listed) {
    if (!row.usable()) {
        return CsvExchange::RowReason(*row.fault, band, kEnglish);
    }
    return listed ? "not named in --rows" : CsvExchange::kBeyondSixteen.pick(kEnglish);
}

void ReportLeftOut(const CsvExchange::FileReading& reading, const CsvExchange::RowChoice& choice,
                   const BandSelection& band, bool listed) {
    const std::vector<std::size_t> leftOut = choice.leftOut();
    if (leftOut.empty()) {
        return;
    }
    std::cerr << CsvExchange::LeftOutHeading(static_cast<int>(leftOut.size()), kEnglish) << "\n";
    for (std::size_t row : leftOut) {
        const CsvExchange::FileRow& r = reading.rows[row];
        std::cerr << "  " << CsvExchange::LeftOutLine(r, LeftOutReason(r, band, listed), kEnglish)
                  << "\n";
    }
}

std::string ListFaultText(const CsvExchange::LocationListFault& fault,
                          const CsvExchange::FileReading& reading, const BandSelection& band) {
    using Fault = CsvExchange::LocationListFault;
    switch (fault.kind) {
        case Fault::Malformed:
            return "--rows takes Locations and ranges such as 1-8,12,20-22, not " +
                   QuotedText(fault.item);
        case Fault::Reversed:
            return "--rows: the range " + QuotedText(fault.item) + " runs backwards";
        case Fault::NoSuchLocation:
            return "--rows: no row has the Location " + QuotedText(fault.item);
        case Fault::EmptyRange:
            return "--rows: no row has a Location in " + QuotedText(fault.item);
        case Fault::UnusableRow: {
            const CsvExchange::FileRow& row = reading.rows[fault.row];
            return "--rows names an unusable row: " +
                   CsvExchange::LeftOutLine(row, CsvExchange::RowReason(*row.fault, band, kEnglish),
                                            kEnglish);
        }
        case Fault::TooMany:
            return "--rows names " + std::to_string(fault.count) +
                   " rows; the radio has sixteen channels";
    }
    return {};
}

}  // namespace

// import-csv IN.csv --out FILE.DAT [--rows LIST] [--base FILE.DAT] [--band N]
int RunImportCsv(const Arguments& args) {
    std::string input, out, base;
    std::optional<std::string> rows;
    int band = -1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool hasValue = i + 1 < args.size();
        if (a == "--out" && hasValue) {
            out = args[++i];
        } else if (a == "--base" && hasValue) {
            base = args[++i];
        } else if (a == "--rows" && hasValue) {
            rows = args[++i];
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
            "usage: kvd270-cli import-csv IN.csv --out FILE.DAT [--rows LIST] [--base FILE.DAT] "
            "[--band N]");
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
    const CsvExchange::FileReading reading = CsvExchange::ReadFile(csv, state.band);
    if (reading.fault) {
        return Fail(input + ": " + CsvExchange::FileFaultMessage(*reading.fault, kEnglish));
    }
    CsvExchange::RowChoice choice(reading);
    if (rows) {
        const std::vector<CsvExchange::LocationListFault> faults =
            CsvExchange::ChooseByLocations(choice, reading, *rows);
        for (const CsvExchange::LocationListFault& fault : faults) {
            Fail(input + ": " + ListFaultText(fault, reading, state.band));
        }
        if (!faults.empty()) {
            return kExitBadInput;
        }
    }
    ReportLeftOut(reading, choice, state.band, rows.has_value());
    if (choice.count() == 0 && !reading.rows.empty()) {
        return Fail(input + ": " + CsvExchange::kNoUsableRow.pick(kEnglish));
    }
    const CsvExchange::Placement placement = choice.place();
    state.channels = placement.channels;
    if (ChannelFile::Result saved = ChannelFile::Save(out, state); !saved) {
        return Fail(out + ": cannot be written: " + saved.detail);
    }
    std::cerr << CsvExchange::SuccessMessage(placement, kEnglish) << "\n";
    return kExitOk;
}

}  // namespace kvd::cli
