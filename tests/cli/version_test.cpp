// vextora-convert --version: the project's one version, printed before any
// other check so it works without an output folder or files.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <regex>

#include "tests/support/convert_fixture.h"

using namespace vxtest;

namespace {

// Exit status and standard output of vextora-convert with these arguments.
std::pair<int, std::string> RunProgram(const std::string& arguments) {
    const std::string command = std::string(VX_BINARY_DIR) + "/bin/vextora-convert " + arguments + " 2>/dev/null";
    std::string out;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return {-1, out};
    char buffer[256];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, got);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

}  // namespace

TEST(CliVersion, PrintsTheProjectVersionAndConvertsNothing) {
    const std::string expected = std::string("vextora-convert ") + VEXTORA_VERSION + "\n";
    EXPECT_EQ(RunProgram("--version"), std::make_pair(0, expected));

    // Given with a whole batch, the version is all that happens.
    const std::string in = TestInputFolder(), out = TestOutputFolder();
    WriteFile(in + "a.svg", "<svg height=\"10\"><line x1=\"0\" y1=\"0\" x2=\"5\" y2=\"5\"/></svg>");
    EXPECT_EQ(RunProgram("-o " + out + " " + in + "a.svg --version"), std::make_pair(0, expected));
    EXPECT_FALSE(std::filesystem::exists(out + "a.dxf"));

    // Other usage errors still count, and the usage text lists the option.
    EXPECT_EQ(RunProgram("--version --bogus").first, 2);
    EXPECT_NE(RunProgram("--help").second.find("--version"), std::string::npos);
}

TEST(CliVersion, ComesFromTheProjectDeclaration) {
    const std::string lists = ReadFile(std::string(VX_SOURCE_DIR) + "/CMakeLists.txt");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(lists, match, std::regex(R"(project\(Vextora VERSION ([0-9.]+))")));
    EXPECT_EQ(match[1].str(), VEXTORA_VERSION);
}
