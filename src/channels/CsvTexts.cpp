#include "channels/CsvTexts.h"

#include <map>

#include "channels/BandSelection.h"
#include "channels/BandTable.h"
#include "channels/CsvChoice.h"
#include "channels/CsvRows.h"
#include "texts/QuotedText.h"
#include "texts/TextIds.h"

namespace kvd::CsvExchange {

namespace {

namespace Id = TextIds::csv;

const std::map<FileProblem, TextId> kFileReasons = {
    {FileProblem::NoHeader, Id::noHeader},
    {FileProblem::UnclosedQuote, Id::unclosedQuote},
    {FileProblem::DuplicateColumn, Id::duplicateColumn},
};

const std::map<RowProblem, TextId> kRowReasons = {
    {RowProblem::BadLocation, Id::badLocation},
    {RowProblem::DuplicateLocation, Id::duplicateLocation},
    {RowProblem::NoFrequency, Id::noFrequency},
    {RowProblem::BadFrequency, Id::badFrequency},
    {RowProblem::NumberTooLarge, Id::numberTooLarge},
    {RowProblem::OutOfBand, Id::outOfBand},
    {RowProblem::BadDuplex, Id::badDuplex},
    {RowProblem::BadOffset, Id::badOffset},
    {RowProblem::BadToneMode, Id::badToneMode},
    {RowProblem::ReverseSquelch, Id::reverseSquelch},
    {RowProblem::BadCrossMode, Id::badCrossMode},
    {RowProblem::ToneOutOfRange, Id::toneOutOfRange},
    {RowProblem::BadDcsCode, Id::badDcsCode},
    {RowProblem::BadPolarity, Id::badPolarity},
    {RowProblem::BadMode, Id::badMode},
    {RowProblem::BadSkip, Id::badSkip},
    {RowProblem::BadPower, Id::badPower},
};

// The reason with the offending field after it, when there is one.
UserText WithValue(UserText reason, const std::string& value) {
    if (value.empty()) {
        return reason;
    }
    return {Id::withValue, {std::move(reason), UserText::Verbatim(QuotedText(value))}};
}

UserText Number(int number) {
    return UserText::Number(number);
}

}  // namespace

UserText FileFaultMessage(const FileFault& fault) {
    return {Id::failedLine,
            {Number(fault.line), WithValue(kFileReasons.at(fault.problem), fault.value)}};
}

UserText RowReason(const RowFault& fault, const BandSelection& band) {
    UserText reason = kRowReasons.at(fault.problem);
    if (fault.problem == RowProblem::OutOfBand) {
        reason = {Id::withBand,
                  {std::move(reason), UserText::Verbatim(BandTable::At(band.position()).text)}};
    }
    return WithValue(std::move(reason), fault.value);
}

UserText RowVerdict(const FileRow& row, const BandSelection& band) {
    return row.fault ? RowReason(*row.fault, band) : UserText(Id::usable);
}

UserText RowName(const FileRow& row) {
    UserText name(Id::rowLine, {Number(row.line)});
    if (row.location) {  // another Location shows in the row's reason
        name = {Id::rowLocation, {std::move(name), Number(*row.location)}};
    }
    if (!row.written.name.empty()) {
        name = {Id::rowNamed, {std::move(name), UserText::Verbatim(QuotedText(row.written.name))}};
    }
    return name;
}

UserText LeftOutLine(const FileRow& row, const UserText& reason) {
    return {Id::leftOutLine, {RowName(row), reason}};
}

UserText LeftOutHeading(int count) {
    return {Id::leftOut, {Number(count)}};
}

UserText SuccessMessage(const Placement& placement) {
    return {Id::imported, {Number(placement.imported), Number(placement.moved)}};
}

}  // namespace kvd::CsvExchange
