// vextora-convert as a user runs it: output lines, exit status, usage errors.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

#include "tests/support/convert_fixture.h"

using namespace vxtest;
namespace fs = std::filesystem;

namespace {

struct RunResult {
    int status = -1;
    std::string out;
};

RunResult RunCli(const std::string& arguments) {
    const std::string command = std::string(VX_BINARY_DIR) + "/bin/vextora-convert " + arguments + " 2>/dev/null";
    RunResult result;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, got);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

const char kLine[] = "<svg height=\"10\"><line x1=\"0\" y1=\"0\" x2=\"5\" y2=\"5\"/></svg>";

}  // namespace

TEST(Cli, PrintsOneLinePerInputInOrder) {
    const std::string in = TestInputFolder();
    WriteFile(in + "a.svg", kLine);
    WriteFile(in + "c.v2.svg", kLine);
    std::string out = TestOutputFolder();
    out.pop_back();  // the command line adds the separator itself
    const RunResult r = RunCli("-o " + out + " " + in + "a.svg " + in + "missing.svg " + in + "c.v2.svg");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "a.dxf\nConvert\t" + in + "missing.svg failed.\nc.v2.dxf\n");
    EXPECT_TRUE(fs::exists(out + "/a.dxf"));
    EXPECT_TRUE(fs::exists(out + "/c.v2.dxf"));
    EXPECT_FALSE(fs::exists(out + "/missing.dxf"));
}

TEST(Cli, ExitsZeroWhenEveryFileConverts) {
    const std::string in = TestInputFolder();
    WriteFile(in + "a.svg", kLine);
    const RunResult r = RunCli("--no-fill -o " + TestOutputFolder() + " " + in + "a.svg");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "a.dxf\n");
    EXPECT_EQ(RunCli("-j 256 -o " + TestOutputFolder() + " " + in + "a.svg").status, 0);  // the limit
}

TEST(Cli, UsageErrorsExitTwo) {
    EXPECT_EQ(RunCli("").status, 2);
    EXPECT_EQ(RunCli("x.svg").status, 2);                  // no -o
    EXPECT_EQ(RunCli("-o /tmp").status, 2);                // no files
    EXPECT_EQ(RunCli("--bogus -o /tmp x.svg").status, 2);  // unknown option
    EXPECT_EQ(RunCli("-j 0 -o /tmp x.svg").status, 2);
    EXPECT_EQ(RunCli("-j 257 -o /tmp x.svg").status, 2);
    EXPECT_EQ(RunCli("x.svg -o").status, 2);  // the folder missing at the end
    const RunResult help = RunCli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: vextora-convert"), std::string::npos);
}

TEST(Cli, WorkersKeepInputOrderAndWriteTheSameFiles) {
    const std::string in = TestInputFolder();
    std::string inputs, expected;
    for (int i = 0; i < 12; ++i) {
        const std::string name = "f" + std::to_string(i);
        WriteFile(in + name + ".svg", i == 5 ? std::string("") : kLine);
        inputs += " " + in + name + ".svg";
        expected += name + ".dxf\n";
    }
    inputs += " " + in + "gone.svg";
    expected += "Convert\t" + in + "gone.svg failed.\n";
    const std::string one = TestOutputFolder() + "one/", two = TestOutputFolder() + "two/";
    const RunResult serial = RunCli("-j 1 -o " + one + inputs);
    const RunResult parallel = RunCli("-j 3 -o " + two + inputs);
    EXPECT_EQ(serial.out, expected);
    EXPECT_EQ(parallel.out, expected);
    EXPECT_EQ(serial.status, 1);
    EXPECT_EQ(parallel.status, 1);
    for (int i = 0; i < 12; ++i) {
        const std::string name = "f" + std::to_string(i) + ".dxf";
        EXPECT_EQ(ReadFile(one + name), ReadFile(two + name)) << name;
    }
}
