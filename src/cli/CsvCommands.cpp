#include <iostream>
#include <optional>

#include "catalogue/Catalogue.h"
#include "channels/BandSelection.h"
#include "channels/CsvChoice.h"
#include "channels/CsvExchange.h"
#include "channels/CsvRows.h"
#include "channels/CsvTexts.h"
#include "cli/Command.h"
#include "image/ChannelFile.h"
#include "image/RadioState.h"
#include "texts/QuotedText.h"
#include "texts/TextIds.h"

namespace kvd::cli {

namespace Id = TextIds::cli;

// export-csv FILE.DAT OUT.csv
int RunExportCsv(const Arguments& args) {
    if (args.size() != 2) {
        return FailUsage(Id::usageExportCsv);
    }
    RadioState state = StartupState(kEnglish);
    if (!OpenOrReport(args[0], state)) {
        return kExitBadInput;
    }
    if (ChannelFile::Result written =
            ChannelFile::WriteAtomically(args[1], CsvExchange::Export(state.channels));
        !written) {
        return Fail({Id::cannotWrite, {PathText(args[1]), FileProblem(written)}});
    }
    return kExitOk;
}

namespace {

// A row left out of the import, and why.
UserText LeftOutReason(const CsvExchange::FileRow& row, const BandSelection& band, bool listed) {
    if (!row.usable()) {
        return CsvExchange::RowReason(*row.fault, band);
    }
    return listed ? Id::notInRows : TextIds::csv::beyondSixteen;
}

void ReportLeftOut(const CsvExchange::FileReading& reading, const CsvExchange::RowChoice& choice,
                   const BandSelection& band, bool listed) {
    const std::vector<std::size_t> leftOut = choice.leftOut();
    if (leftOut.empty()) {
        return;
    }
    std::cerr << Say(CsvExchange::LeftOutHeading(static_cast<int>(leftOut.size()))) << "\n";
    for (std::size_t row : leftOut) {
        const CsvExchange::FileRow& r = reading.rows[row];
        std::cerr << "  " << Say(CsvExchange::LeftOutLine(r, LeftOutReason(r, band, listed)))
                  << "\n";
    }
}

UserText ListFaultText(const CsvExchange::LocationListFault& fault,
                       const CsvExchange::FileReading& reading, const BandSelection& band) {
    using Fault = CsvExchange::LocationListFault;
    switch (fault.kind) {
        case Fault::Malformed:
            return {Id::rowsMalformed, {Quoted(fault.item)}};
        case Fault::Reversed:
            return {Id::rowsReversed, {Quoted(fault.item)}};
        case Fault::NoSuchLocation:
            return {Id::rowsNoLocation, {Quoted(fault.item)}};
        case Fault::EmptyRange:
            return {Id::rowsEmptyRange, {Quoted(fault.item)}};
        case Fault::UnusableRow: {
            const CsvExchange::FileRow& row = reading.rows[fault.row];
            return {Id::rowsUnusable,
                    {CsvExchange::LeftOutLine(row, CsvExchange::RowReason(*row.fault, band))}};
        }
        case Fault::TooMany:
            return {Id::rowsTooMany, {UserText::Number(fault.count)}};
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
                return Fail({Id::bandPosition, {Quoted(value)}});
            }
            band = value[0] - '0';
        } else if (!a.empty() && a[0] == '-') {
            return Fail({Id::unknownOption, {Quoted(a)}});
        } else if (input.empty()) {
            input = a;
        } else {
            return Fail(Id::oneInput);
        }
    }
    if (input.empty() || out.empty()) {
        return FailUsage(Id::usageImportCsv);
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
        return Fail({Id::cannotRead, {PathText(input), FileProblem(read)}});
    }
    if (csv.size() > CsvExchange::kLargestFile) {
        return Fail({Id::tooLarge, {PathText(input)}});
    }
    const CsvExchange::FileReading reading = CsvExchange::ReadFile(csv, state.band);
    if (reading.fault) {
        return Fail(
            {Id::fileSays, {PathText(input), CsvExchange::FileFaultMessage(*reading.fault)}});
    }
    CsvExchange::RowChoice choice(reading);
    if (rows) {
        const std::vector<CsvExchange::LocationListFault> faults =
            CsvExchange::ChooseByLocations(choice, reading, *rows);
        for (const CsvExchange::LocationListFault& fault : faults) {
            Fail({Id::fileSays, {PathText(input), ListFaultText(fault, reading, state.band)}});
        }
        if (!faults.empty()) {
            return kExitBadInput;
        }
    }
    ReportLeftOut(reading, choice, state.band, rows.has_value());
    if (choice.count() == 0 && !reading.rows.empty()) {
        return Fail({Id::fileSays, {PathText(input), TextIds::csv::noUsableRow}});
    }
    const CsvExchange::Placement placement = choice.place();
    state.channels = placement.channels;
    if (ChannelFile::Result saved = ChannelFile::Save(out, state); !saved) {
        return Fail({Id::cannotWrite, {PathText(out), FileProblem(saved)}});
    }
    std::cerr << Say(CsvExchange::SuccessMessage(placement)) << "\n";
    return kExitOk;
}

}  // namespace kvd::cli
