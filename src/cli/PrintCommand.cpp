#include <optional>

#include <QDate>
#include <QGuiApplication>

#include "cli/Command.h"
#include "image/ChannelFile.h"
#include "image/RadioState.h"
#include "printout/ConfigurationPrint.h"
#include "printout/PrintedConfiguration.h"
#include "texts/TextIds.h"

namespace kvd::cli {

namespace Id = TextIds::cli;

namespace {

struct PrintArguments {
    std::string file;
    std::string pdf;
    LanguageId language = kEnglish;
};

// Empty when the arguments are usable, else what is wrong with them.
std::optional<UserText> Parse(const Arguments& args, PrintArguments& out) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--pdf" || a == "--lang") {
            if (i + 1 >= args.size()) {
                return UserText(Id::needsValue, {UserText::Verbatim(a)});
            }
            const std::string& value = args[++i];
            if (a == "--pdf") {
                out.pdf = value;
            } else if (value == "en" || value == "zh") {
                out.language = value == "zh" ? kChinese : kEnglish;
            } else {
                return UserText(Id::language, {Quoted(value)});
            }
        } else if (!a.empty() && a[0] == '-') {
            return UserText(Id::unknownOption, {Quoted(a)});
        } else if (out.file.empty()) {
            out.file = a;
        } else {
            return UserText(Id::oneFile);
        }
    }
    if (out.file.empty() || out.pdf.empty()) {
        return UserText(Id::usage, {Id::usagePrint});
    }
    return std::nullopt;
}

}  // namespace

// print FILE.DAT --pdf OUT.pdf [--lang en|zh]
int RunPrint(const Arguments& args) {
    PrintArguments a;
    if (const std::optional<UserText> wrong = Parse(args, a)) {
        return Fail(*wrong);
    }
    RadioState state = StartupState(a.language);
    if (!OpenOrReport(a.file, state)) {
        return kExitBadInput;
    }
    // Painting needs Qt's fonts, not a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kvd270-cli";
    static char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    const Printout::Heading heading{PathText(a.file),
                                    QDate::currentDate().toString(Qt::ISODate).toStdString()};
    const QByteArray pdf = Printout::Pdf(Printout::Describe(state, heading, a.language));
    if (pdf.isEmpty()) {
        return Fail(Id::noPrintout, a.language);
    }
    if (ChannelFile::Result written = ChannelFile::WriteAtomically(a.pdf, pdf.toStdString());
        !written) {
        return Fail({Id::cannotWrite, {PathText(a.pdf), FileProblem(written)}}, a.language);
    }
    return kExitOk;
}

}  // namespace kvd::cli
