#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>

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
    fs::path dir = fs::temp_directory_path() / ("kvd-cli-" + std::to_string(::getpid()));

    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    CliRun Cli(const std::string& arguments) {
        const std::string command =
            std::string(KVD_CLI_PATH) + " " + arguments + " 2>" + Path("stderr");
        FILE* pipe = ::popen(command.c_str(), "r");
        CliRun run{};
        std::array<char, 4096> buffer;
        while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe)) {
            run.out.append(buffer.data(), n);
        }
        const int status = ::pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.err = Read("stderr");
        return run;
    }
    std::string Path(const std::string& name) const { return (dir / name).string(); }
    std::string Read(const std::string& name) const {
        std::ifstream in(dir / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void Write(const std::string& name, const std::string& text) {
        std::ofstream(dir / name, std::ios::binary) << text;
    }
};

// The JSON form is checked against an independent decoder by tools/xcheck.
TEST_F(CliTest, ShowPrintsTheFileForAPerson) {
    RadioState state;
    ApplyStartupDefaults(state);
    state.band.TakeBand(5);
    state.table.setCell(2, 1, "145.52500");
    ASSERT_TRUE(ChannelFile::Save(Path("A.DAT"), state));
    CliRun text = Cli("show " + Path("A.DAT") + " --lang zh");
    EXPECT_EQ(text.status, 0);
    for (const char* shown : {"136-174MHz", "接收频率", "145.52500"}) {
        EXPECT_NE(text.out.find(shown), std::string::npos) << shown << "\n" << text.out;
    }
}

TEST_F(CliTest, BadInputGivesStatusTwoAndOneLine) {
    Write("WRONG.DAT", "NOTKVD");
    for (const std::string& args :
         {std::string("show"), "show " + Path("MISSING.DAT"), "show " + Path("WRONG.DAT"),
          "show " + Path("WRONG.DAT") + " --lang fr", std::string("frobnicate"),
          "import-csv " + Path("none.csv") + " --out " + Path("X.DAT")}) {
        CliRun run = Cli(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_TRUE(run.out.empty()) << args;
        EXPECT_FALSE(run.err.empty()) << args;
    }
    const std::string err = Cli("show " + Path("WRONG.DAT")).err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
}

TEST_F(CliTest, CsvRoundTripThroughChannelFiles) {
    Write("in.csv",
          "Location,Frequency,Duplex,Offset,Tone,cToneFreq,Mode\n3,146.52,-,0.6,TSQL,100.0,NFM\n");
    CliRun imported = Cli("import-csv " + Path("in.csv") + " --out " + Path("B.DAT") + " --band 5");
    ASSERT_EQ(imported.status, 0) << imported.err;
    CliRun exported = Cli("export-csv " + Path("B.DAT") + " " + Path("out.csv"));
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_NE(Read("out.csv").find(
                  "3,,146.520000,-,0.600000,TSQL,100.0,100.0,023,NN,023,Tone->Tone,NFM,5.00,,High"),
              std::string::npos)
        << Read("out.csv");

    CliRun outside = Cli("import-csv " + Path("in.csv") + " --out " + Path("C.DAT"));
    EXPECT_EQ(outside.status, 2) << "band 0 is 400-490MHz";
    EXPECT_NE(outside.err.find("Line 2"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "C.DAT")) << "a refused import writes nothing";
}

}  // namespace
}  // namespace kvd
