#include "cli/Command.h"

#include <iostream>

#include "catalogue/Catalogue.h"
#include "image/ChannelFile.h"
#include "texts/QuotedText.h"
#include "texts/TextIds.h"

namespace kvd::cli {

std::string Say(const UserText& text, LanguageId language) {
    return TextIn(text, language);
}

UserText Quoted(const std::string& value) {
    return UserText::Verbatim(QuotedText(value));
}

UserText PathText(const std::string& path) {
    return UserText::Verbatim(path);
}

int Fail(const UserText& message, LanguageId language) {
    std::cerr << "kvd270-cli: " << Say(message, language) << "\n";
    return kExitBadInput;
}

int FailUsage(TextId usage) {
    return Fail({TextIds::cli::usage, {usage}});
}

bool OpenOrReport(const std::string& path, RadioState& state) {
    ChannelFile::Result opened = ChannelFile::Open(path, state);
    if (!opened) {
        Fail(opened.kind == ChannelFile::Result::WrongSignature
                 ? UserText(TextIds::cli::notChannelFile, {PathText(path)})
                 : UserText(TextIds::cli::cannotRead, {PathText(path), FileProblem(opened)}));
    }
    return static_cast<bool>(opened);
}

}  // namespace kvd::cli
