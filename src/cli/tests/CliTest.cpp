#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include <sys/wait.h>
#include <unistd.h>

#include "image/ChannelFile.h"
#include "image/RadioState.h"

namespace kvd {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("kvd-cli-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    CliRun Cli(const std::string& arguments) {
        std::string errFile = (dir_ / "stderr").string();
        std::string command = std::string(KVD_CLI_PATH) + " " + arguments + " 2>" + errFile;
        FILE* pipe = ::popen(command.c_str(), "r");
        CliRun run{};
        std::array<char, 4096> buffer;
        while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe)) {
            run.out.append(buffer.data(), n);
        }
        int status = ::pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::ifstream err(errFile);
        run.err.assign(std::istreambuf_iterator<char>(err), {});
        return run;
    }
    std::string Path(const std::string& name) { return (dir_ / name).string(); }
    void Write(const std::string& name, const std::string& text) { std::ofstream(dir_ / name, std::ios::binary) << text; }

    fs::path dir_;
};

TEST_F(CliTest, ShowPrintsTheFileInEitherLanguageAndAsJson) {
    RadioState state;
    ApplyStartupDefaults(state);
    state.band.TakeBand(5);
    state.table.setCell(2, 1, "145.52500");
    state.table.setCell(2, 5, "高");
    state.settings.EmbeddedInfo[0] = "quote \" and \\";
    ASSERT_TRUE(ChannelFile::Save(Path("A.DAT"), state));

    CliRun text = Cli("show " + Path("A.DAT") + " --lang zh");
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("136-174MHz"), std::string::npos);
    EXPECT_NE(text.out.find("接收频率"), std::string::npos);
    EXPECT_NE(text.out.find("145.52500"), std::string::npos);

    CliRun json = Cli("show " + Path("A.DAT") + " --json");
    EXPECT_EQ(json.status, 0);
    EXPECT_NE(json.out.find("\"band\": 5"), std::string::npos);
    EXPECT_NE(json.out.find("\"rx\": \"145.52500\""), std::string::npos);
    EXPECT_NE(json.out.find("\"power\": \"Hight\""), std::string::npos) << "texts in English by default";
    EXPECT_NE(json.out.find("\"quote \\\" and \\\\\""), std::string::npos);
    EXPECT_NE(json.out.find("\"panel\": {\"voice_prompt\": 1, \"timeout\": 1"), std::string::npos);
}

TEST_F(CliTest, BadInputGivesStatusTwoAndOneLine) {
    Write("WRONG.DAT", "NOTKVD");
    for (const std::string& args : {std::string("show"), "show " + Path("MISSING.DAT"), "show " + Path("WRONG.DAT"),
                                    "show " + Path("WRONG.DAT") + " --lang fr", std::string("frobnicate"),
                                    "import-csv " + Path("none.csv") + " --out " + Path("X.DAT")}) {
        CliRun run = Cli(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_TRUE(run.out.empty()) << args;
        EXPECT_FALSE(run.err.empty()) << args;
    }
    std::string err = Cli("show " + Path("WRONG.DAT")).err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
}

TEST_F(CliTest, CsvRoundTripThroughChannelFiles) {
    Write("in.csv", "Location,Frequency,Duplex,Offset,Tone,cToneFreq,Mode\n3,146.52,-,0.6,TSQL,100.0,NFM\n");
    CliRun imported = Cli("import-csv " + Path("in.csv") + " --out " + Path("B.DAT") + " --band 5");
    ASSERT_EQ(imported.status, 0) << imported.err;
    CliRun exported = Cli("export-csv " + Path("B.DAT") + " " + Path("out.csv"));
    ASSERT_EQ(exported.status, 0) << exported.err;
    std::ifstream csv(dir_ / "out.csv");
    std::string text{std::istreambuf_iterator<char>(csv), {}};
    EXPECT_NE(text.find("3,,146.520000,-,0.600000,TSQL,100.0,100.0,023,NN,023,Tone->Tone,NFM,5.00,,High"),
              std::string::npos)
        << text;

    CliRun outside = Cli("import-csv " + Path("in.csv") + " --out " + Path("C.DAT"));
    EXPECT_EQ(outside.status, 2) << "band 0 is 400-490MHz";
    EXPECT_NE(outside.err.find("Line 2"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir_ / "C.DAT")) << "a refused import writes nothing";
}

}  // namespace
}  // namespace kvd
