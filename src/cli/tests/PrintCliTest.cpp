// `print` as a user runs it: the PDF holds the whole configuration in either language, the
// channel table on one page, in fonts the file carries.
#include <random>
#include <sstream>

#include "CliFixture.h"
#include "catalogue/Catalogue.h"
#include "channels/ChannelCells.h"
#include "image/ChannelFile.h"
#include "image/FieldTable.h"
#include "image/FieldValues.h"
#include "image/SettingWords.h"
#include "image/tests/TestStates.h"
#include "printout/tests/PdfTools.h"
#include "texts/TextIds.h"

namespace kvd {
namespace {

using test::CliTest;
using test::Finished;
namespace Cells = ChannelCells;
namespace fs = std::filesystem;

class PrintCliTest : public CliTest {
protected:
    RadioState state;

    void SetUp() override {
        CliTest::SetUp();
        std::mt19937 random(17);
        state = test::RandomValidState(random);
        ASSERT_TRUE(ChannelFile::Save(dir / "radio.DAT", state));
    }
    // The PDF's text, whole or of one page; with `layout` a caption and its value share a line.
    std::string Text(const char* pdf, int page = 0, bool layout = false) {
        QStringList arguments;
        if (layout) {
            arguments << "-layout";
        }
        if (page) {
            arguments << "-f" << QString::number(page) << "-l" << QString::number(page);
        }
        return test::PopplerSays("pdftotext", arguments << Path(pdf) << "-").value_or("");
    }
};

TEST_F(PrintCliTest, ThePdfHoldsEveryChannelAndSettingInBothLanguages) {
    if (!test::PopplerSays("pdftotext", {"-v"})) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    for (const char* language : {"en", "zh"}) {
        SCOPED_TRACE(language);
        Finished printed =
            Cli({"print", Path("radio.DAT"), "--pdf", Path("out.pdf"), "--lang", language});
        ASSERT_EQ(printed.status, 0) << printed.errors;
        const std::string all = Text("out.pdf");
        const std::string firstPage = Text("out.pdf", 1);
        std::istringstream lines(Text("out.pdf", 0, true));
        std::vector<std::string> settings;  // caption, then value, spaces between dropped
        for (std::string line; std::getline(lines, line);) {
            std::erase(line, ' ');
            settings.push_back(line);
        }
        const LanguageId id = std::string(language) == "zh" ? kChinese : kEnglish;
        EXPECT_NE(all.find(TextIn(TextIds::grid::rxFrequency, id)), std::string::npos);
        EXPECT_NE(all.find(Path("radio.DAT").toStdString()), std::string::npos);
        int programmed = 0;
        for (int n = 1; n <= Channels::kCount; ++n) {
            for (int column : {Cells::kRxFrequency, Cells::kTxFrequency}) {
                const std::string cell = TextIn(Cells::Text(state.channels, n, column), id);
                programmed += !cell.empty();
                EXPECT_NE(firstPage.find(cell), std::string::npos)
                    << "channel " << n << " on the first page, with the whole table";
            }
        }
        EXPECT_GT(programmed, 16);
        // Each setting by its control's caption and its value in words, never by the program's
        // own identifiers and numbers.
        for (const FieldTable::Field& field : FieldTable::All()) {
            if (&field == &FieldTable::Band()) {
                continue;
            }
            const std::string caption = TextIn(SettingWords::ElementCaption(field, 0), id);
            EXPECT_NE(all.find(caption), std::string::npos) << field.name << ": " << caption;
            EXPECT_EQ(all.find(field.name), std::string::npos) << field.name;
            if (!SettingWords::Items(field).empty()) {
                std::string shown =
                    caption +
                    TextIn(SettingWords::ValueWords(field, SettingValue(field, state)), id);
                std::erase(shown, ' ');
                EXPECT_NE(std::find(settings.begin(), settings.end(), shown), settings.end())
                    << field.name << ": " << shown;
            }
        }
    }
    // Every font is in the file, so the Chinese just printed shows without the fonts installed.
    const std::optional<std::string> fonts = test::PopplerSays("pdffonts", {Path("out.pdf")});
    ASSERT_TRUE(fonts);
    const std::size_t emb = fonts->find("emb");  // the column that says "yes" or "no"
    std::istringstream lines(fonts->substr(fonts->find("---\n") + 4));
    int listed = 0;
    for (std::string line; std::getline(lines, line); ++listed) {
        EXPECT_EQ(line.substr(emb, 3), "yes") << "a font not embedded:\n" << *fonts;
    }
    EXPECT_GT(listed, 0) << *fonts;
}

TEST_F(PrintCliTest, UsageFaultsAndUnwritableOutputWriteNothing) {
    const struct {
        QStringList args;
        const char* said;
    } cases[] = {
        {{"print", Path("radio.DAT")}, "usage: kvd270-cli print FILE.DAT --pdf OUT.pdf"},
        {{"print", Path("radio.DAT"), "--pdf"}, "--pdf"},
        {{"print", Path("none.DAT"), "--pdf", Path("x.pdf")}, "none.DAT: cannot be read"},
        {{"print", Path("radio.DAT"), "--pdf", Path("x.pdf"), "--lang", "fr"}, "\"fr\""},
        {{"print", Path("radio.DAT"), "--pdf", Path("no/x.pdf")}, "no/x.pdf: cannot be written"},
    };
    for (const auto& c : cases) {
        Finished run = Cli(c.args);
        EXPECT_EQ(run.status, 2) << c.said;
        EXPECT_NE(run.errors.find(c.said), std::string::npos) << run.errors;
    }
    EXPECT_FALSE(fs::exists(dir / "x.pdf"));
}

}  // namespace
}  // namespace kvd
