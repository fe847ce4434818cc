// vextora-convert as a user runs it: output lines, messages, exit status, usage errors.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <thread>

#include "tests/support/convert_fixture.h"

using namespace vxtest;
namespace fs = std::filesystem;

namespace {

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

const std::string kBinary = std::string(VX_BINARY_DIR) + "/bin/vextora-convert";

// Runs a shell command line whose first word is the program: "cd x && <prefix>vextora-convert ...".
RunResult RunCli(const std::string& arguments, const std::string& prefix = "") {
    const std::string errPath = TestInputFolder() + "stderr.txt";
    const std::string command = prefix + kBinary + " " + arguments + " 2>" + errPath;
    RunResult result;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, got);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.err = ReadFile(errPath);
    return result;
}

// Whether a temporary file of dxfName (any, when empty) is in folder.
bool HasTemporaryFile(const std::string& folder, const std::string& dxfName = "") {
    for (const std::string& name : FilesBelow(folder))
        if (name.rfind("." + dxfName, 0) == 0 && name.find(".tmp") != std::string::npos) return true;
    return false;
}

// Starts the command line, sends signal once the temporary file of dxfName
// appears in folder and returns the exit status; -1 when it ended before that.
int InterruptOnceWriting(const std::string& arguments, const std::string& folder,
                         const std::string& dxfName, int signal, const std::string& stdoutPath) {
    const pid_t child = fork();
    if (child == 0) {
        const std::string command = "exec " + kBinary + " " + arguments + " >" + stdoutPath +
                                    " 2>/dev/null";
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!HasTemporaryFile(folder, dxfName)) {
        if (waitpid(child, &status, WNOHANG) == child || std::chrono::steady_clock::now() > deadline)
            return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    kill(child, signal);
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

// One polyline of many points: long enough to interrupt while it is written.
std::string LargeDrawing() {
    std::string svg = "<svg height=\"1000\"><polyline points=\"";
    for (int i = 0; i < 1500000; ++i)
        svg += std::to_string(i % 997) + "," + std::to_string((i * 7) % 991) + " ";
    return svg + "\"/></svg>";
}

const char kLine[] = "<svg height=\"10\"><line x1=\"0\" y1=\"0\" x2=\"5\" y2=\"5\"/></svg>";

// A DXF's OBJECTS section as the writer ends it: pictures, then the record of its options, if any.
std::string DxfTail(const std::string& picture, const std::string& options) {
    std::string tail = "  0\nSECTION\n  2\nOBJECTS\n";
    if (!picture.empty()) tail += "  0\nIMAGEDEF\n  5\n1F\n  1\n" + picture + "\n";
    if (!options.empty()) tail += "  0\nXRECORD\n  5\n2A\n330\nC\n100\nAcDbXrecord\n  1\n" + options + "\n";
    return tail + "  0\nENDSEC\n  0\nEOF\n";
}

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

// Every way of giving an option, and the usage errors: one line and a hint, exit 2.
TEST(Cli, OptionForms) {
    const std::string in = TestInputFolder();
    WriteFile(in + "a.svg", kLine);
    WriteFile(in + "-q.svg", kLine);
    WriteFile(in + "crlf.list", "a.svg\r\n-q.svg\r\n");
    WriteFile(in + "nul.list", std::string("a.svg\0-q.svg\n", 13));
    const std::string out = TestOutputFolder();
    const struct {
        std::string arguments;
        int status;
        std::string out;
        std::string err;  // the first line of stderr
    } rows[] = {
        {"-o " + out + " a.svg", 0, "a.dxf\n", ""},
        {"-o" + out + " a.svg", 0, "a.dxf\n", ""},
        {"--output " + out + " a.svg", 0, "a.dxf\n", ""},
        {"a.svg --output=" + out, 0, "a.dxf\n", ""},
        {"-j 2 -o " + out + " a.svg", 0, "a.dxf\n", ""},
        {"-j2 -o " + out + " a.svg", 0, "a.dxf\n", ""},
        {"--threads 2 -o " + out + " a.svg", 0, "a.dxf\n", ""},
        {"-j 2 --threads=1 -o " + out + " a.svg", 0, "a.dxf\n", ""},
        {"--svg-rules=browser -o " + out + " a.svg", 0, "a.dxf\n", ""},
        // Made with hatches before: --update converts it again without.
        {"--jobs=2 -qu --no-fill --no-download -o " + out + " a.svg", 0, "a.dxf\n", ""},
        {"--files-from crlf.list -o " + out, 0, "a.dxf\n-q.dxf\n", ""},
        {"-o " + out + " -- -q.svg", 0, "-q.dxf\n", ""},
        {"--help", 0, "", ""},
        {"--files-from /dev/null -o " + out, 0, "", ""},
        {"", 2, "", "vextora-convert: no output folder (-o)"},
        {"a.svg", 2, "", "vextora-convert: no output folder (-o)"},
        {"-o " + out, 2, "", "vextora-convert: no input files"},
        {"--bogus -o " + out + " a.svg", 2, "", "vextora-convert: unknown option '--bogus'"},
        {"-x -o " + out + " a.svg", 2, "", "vextora-convert: unknown option '-x'"},
        {"a.svg -o", 2, "", "vextora-convert: option '-o' needs a value"},
        {"-j 0 -o " + out + " a.svg", 2, "", "vextora-convert: invalid number of jobs '0': use 1 to 256"},
        {"-j257 -o " + out + " a.svg", 2, "", "vextora-convert: invalid number of jobs '257': use 1 to 256"},
        {"--jobs=two -o " + out + " a.svg", 2, "", "vextora-convert: invalid number of jobs 'two': use 1 to 256"},
        {"--threads 0 -o " + out + " a.svg", 2, "", "vextora-convert: invalid number of threads '0': use 1 or 2"},
        {"--threads=3 -o " + out + " a.svg", 2, "", "vextora-convert: invalid number of threads '3': use 1 or 2"},
        {"--threads= -o " + out + " a.svg", 2, "", "vextora-convert: invalid number of threads '': use 1 or 2"},
        {"--svg-rules=Browser -o " + out + " a.svg", 2, "",
         "vextora-convert: invalid SVG rules 'Browser': use classic or browser"},
        {"--stdout a.svg a.svg", 2, "", "vextora-convert: --stdout takes a single input"},
        {"-o " + out + " - -", 2, "", "vextora-convert: standard input can be read only once"},
        {"-u --stdout a.svg", 2, "", "vextora-convert: --update needs a DXF file to compare with, not --stdout"},
        {"--files-from nul.list -o nothing", 2, "",
         "vextora-convert: nul.list holds NUL bytes: give -0 for a list of NUL-ended names"},
    };
    for (const auto& row : rows) {
        const RunResult r = RunCli(row.arguments, "cd " + in + " && ");
        EXPECT_EQ(r.status, row.status) << row.arguments;
        if (row.arguments == "--help") {
            EXPECT_EQ(r.out.rfind("Usage: vextora-convert", 0), 0u);
            continue;
        }
        EXPECT_EQ(r.out, row.out) << row.arguments;
        if (row.status == 2)
            EXPECT_EQ(r.err, row.err + "\nTry 'vextora-convert --help'.\n") << row.arguments;
        else
            EXPECT_EQ(r.err, "") << row.arguments;
    }
    EXPECT_FALSE(fs::exists(in + "nothing"));
}

// Why a file failed goes to stderr, one line naming the input as given.
TEST(Cli, FailureReasons) {
    const std::string in = TestInputFolder();
    WriteFile(in + "a.svg", kLine);
    const RunResult missing = RunCli("-o " + TestOutputFolder() + " " + in + "gone.svg");
    EXPECT_EQ(missing.err, "vextora-convert: " + in + "gone.svg: cannot read: No such file or directory\n");
    // An output folder that cannot be made is said once, whatever the number of inputs.
    const std::string a = in + "a.svg";
    const RunResult unmade = RunCli("-o " + a + "/out " + a + " " + a + " " + in + "gone.svg");
    EXPECT_EQ(unmade.status, 1);
    EXPECT_EQ(unmade.out, "");
    EXPECT_EQ(unmade.err, "vextora-convert: cannot make the output folder " + a + "/out/: Not a directory\n");

    const std::string locked = TestOutputFolder() + "locked/";
    fs::create_directories(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                fs::perms::others_exec);
    // Root writes anywhere: the command line runs as nobody then.
    std::string asUser;
    if (geteuid() == 0) {
        if (std::system("setpriv --reuid=65534 --regid=65534 --clear-groups true") != 0)
            GTEST_SKIP() << "cannot run as another user";
        asUser = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    }
    const RunResult readOnly = RunCli("-o " + locked + " " + in + "a.svg", asUser);
    EXPECT_EQ(readOnly.status, 1);
    EXPECT_EQ(readOnly.err, "vextora-convert: " + in + "a.svg: cannot write " + locked +
                                "a.dxf: Permission denied\n");
    fs::permissions(locked, fs::perms::owner_all);
}

// Warnings name their file; -q silences them but not the reasons of failures.
TEST(Cli, WarningsNameTheirFile) {
    const std::string in = TestInputFolder();
    WriteFile(in + "far.svg", "<svg height=\"10\"><line x1=\"1e308\" x2=\"1\" transform=\"scale(10)\"/>"
                              "<circle cx=\"1e308\" cy=\"0\" r=\"1e308\" transform=\"scale(10)\"/>"
                              "<line x1=\"0\" x2=\"1\"/></svg>");
    WriteFile(in + "cut.svg", "<svg><g><line x1=\"3\"");
    WriteFile(in + "ink.svg", "<svg height=\"10\"><g inkscape:groupmode=\"layer\" style=\"display:none\">"
                              "<rect width=\"1\" height=\"1\"/></g><rect width=\"2\" height=\"1\" "
                              "transform=\"rotate(30)\"/></svg>");
    WriteFile(in + "tabler.svg", "<svg class=\"icon icon-tabler\" width=\"24\" height=\"24\" stroke=\"#000\" "
                                 "fill=\"none\"><path stroke=\"none\" d=\"M0 0h24v24H0z\" fill=\"none\"/>"
                                 "<circle cx=\"12\" cy=\"12\" r=\"9\"/></svg>");
    WriteFile(in + "web.svg",
              "<svg><image xlink:href=\"http://127.0.0.1:9/a.png\" width=\"1\" height=\"1\"/></svg>");
    const std::string arguments =
        "--no-download -o " + TestOutputFolder() + " far.svg cut.svg ink.svg tabler.svg web.svg gone.svg";
    const RunResult loud = RunCli(arguments, "cd " + in + " && ");
    const std::string hint = " use rotations, style sheets or hidden layers that the classic reading does "
                             "not apply; --svg-rules=browser reads them as a browser does\n";
    EXPECT_EQ(loud.err, "far.svg: 2 entities left out: coordinates not finite\n"
                        "cut.svg: Warning Tag Block is Incomplete\n"
                        "cut.svg: the drawing ends before its closing tag: the DXF holds only what was read\n"
                        "ink.svg: 2 elements" + hint +
                        "tabler.svg: 2 elements" + hint +
                        "web.svg: picture http://127.0.0.1:9/a.png left out: downloads are off\n"
                        "vextora-convert: gone.svg: cannot read: No such file or directory\n");
    const RunResult quiet = RunCli("-q " + arguments, "cd " + in + " && ");
    EXPECT_EQ(quiet.err, "vextora-convert: gone.svg: cannot read: No such file or directory\n");
    EXPECT_EQ(quiet.out, loud.out);
    // The browser reading reads them as a browser does: nothing to tell.
    EXPECT_EQ(RunCli("--svg-rules=browser -o " + TestOutputFolder() + " ink.svg tabler.svg", "cd " + in + " && ").err, "");
}

// A drawing converts the same alone and after another, in either reading, on any number of workers.
TEST(Cli, FileConvertsTheSameAloneAndInABatch) {
    const std::string in = TestInputFolder();
    WriteFile(in + "a.svg", "<svg height=\"10\"><path stroke=\"#000\" d=\"M0 0 C 10 10 20 10 30 0\"/></svg>");
    WriteFile(in + "b.svg", "<svg height=\"10\"><path stroke=\"#000\" d=\"M0 0 C 1\"/>"
                            "<path stroke=\"#000\" d=\"S 10 10 20 0\"/></svg>");
    for (const std::string rules : {"classic", "browser"}) {
        const std::string alone = TestOutputFolder() + rules + "/alone/";
        ASSERT_EQ(RunCli("--svg-rules=" + rules + " -j 1 -o " + alone + " " + in + "b.svg").status, 0);
        for (const std::string jobs : {"1", "2"}) {
            const std::string batch = TestOutputFolder() + rules + "/batch" + jobs + "/";
            RunCli("--svg-rules=" + rules + " -j " + jobs + " -o " + batch + " " + in + "a.svg " + in + "b.svg");
            EXPECT_EQ(ReadFile(batch + "b.dxf"), ReadFile(alone + "b.dxf")) << rules << " -j " << jobs;
        }
    }
}

// Two inputs that would write one DXF: the later fails, the earlier's DXF stays its own.
TEST(Cli, ClashingOutputsOverwriteNothing) {
    const std::string in = TestInputFolder();
    fs::create_directories(in + "a");
    fs::create_directories(in + "b");
    WriteFile(in + "a/x.svg", kLine);
    WriteFile(in + "b/x.svg", "<svg height=\"10\"><circle cx=\"1\" cy=\"1\" r=\"1\"/></svg>");
    const std::string out = TestOutputFolder(), alone = TestOutputFolder() + "alone/";
    ASSERT_EQ(RunCli("-o " + alone + " " + in + "a/x.svg").status, 0);
    const RunResult r = RunCli("-j 2 -o " + out + " " + in + "a/x.svg " + in + "b/x.svg");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "x.dxf\nConvert\t" + in + "b/x.svg failed.\n");
    EXPECT_EQ(r.err, "vextora-convert: " + in + "b/x.svg: not converted: x.dxf is already the output of " +
                         in + "a/x.svg\n");
    EXPECT_EQ(ReadFile(out + "x.dxf"), ReadFile(alone + "x.dxf"));
}

// SIGINT, SIGTERM: the file in progress leaves nothing behind, an earlier DXF
// of its name and the finished files stay, no file starts after.
TEST(Cli, InterruptLosesNothing) {
    const std::string in = TestInputFolder();
    WriteFile(in + "small.svg", kLine);
    WriteFile(in + "after.svg", kLine);
    WriteFile(in + "big.svg", LargeDrawing());
    fs::create_directories(in + "early");
    WriteFile(in + "early/big.svg", kLine);
    const struct {
        int jobs, signal, status;
    } rows[] = {{1, SIGINT, 130}, {2, SIGINT, 130}, {1, SIGTERM, 143}};
    for (const auto& row : rows) {
        const std::string out = TestOutputFolder() + std::to_string(row.jobs) + "-" +
                                std::to_string(row.signal) + "/";
        ASSERT_EQ(RunCli("-o " + out + " " + in + "early/big.svg").status, 0);
        const std::string earlier = ReadFile(out + "big.dxf");
        const std::string inputs = in + "small.svg " + in + "big.svg " + in + "after.svg";
        const int status = InterruptOnceWriting("-j " + std::to_string(row.jobs) + " -o " + out + " " +
                                                    inputs, out, "big.dxf", row.signal, in + "stdout.txt");
        EXPECT_EQ(status, row.status) << row.jobs;
        EXPECT_FALSE(HasTemporaryFile(out)) << row.jobs;
        EXPECT_EQ(ReadFile(out + "big.dxf"), earlier) << row.jobs;
        EXPECT_TRUE(fs::exists(out + "small.dxf")) << row.jobs;
        const std::string lines = ReadFile(in + "stdout.txt");
        EXPECT_EQ(lines.rfind("small.dxf\nConvert\t" + in + "big.svg failed.\n", 0), 0u) << lines;
        // One worker never reaches the input after the interrupted one.
        if (row.jobs == 1) {
            EXPECT_FALSE(fs::exists(out + "after.dxf"));
        }
    }
}

// A rerun with --update converts only what changed, was made with other
// options, or lost a picture, and says which were skipped.
TEST(Cli, UpdateSkipsFreshFiles) {
    // Outside test-dxf/: the DXFs here are ends of DXFs alone.
    const std::string in = TestInputFolder(), out = in + "out/";
    const char classic[] = "svg-rules=classic fill=hatch";
    std::string inputs;
    for (const char* name : {"fresh", "older", "lost", "stale"}) {
        WriteFile(in + name + ".svg", kLine);
        inputs += " " + in + name + ".svg";
    }
    const auto prepare = [&] {
        fs::create_directories(out);
        // Entities beyond the first few KB: the record is found at the end all the same.
        WriteFile(out + "kept.png", "png");
        WriteFile(out + "fresh.dxf", std::string(20000, '\n') + DxfTail(out + "kept.png", classic));
        WriteFile(out + "older.dxf", DxfTail("", ""));
        WriteFile(out + "lost.dxf", DxfTail("lost-1.png", classic));
        WriteFile(out + "stale.dxf", DxfTail("", classic));
        const auto later = fs::last_write_time(in + "fresh.svg") + std::chrono::hours(1);
        for (const char* name : {"fresh", "older", "lost"}) fs::last_write_time(out + name + ".dxf", later);
        fs::last_write_time(in + "stale.svg", fs::last_write_time(out + "stale.dxf") + std::chrono::seconds(1));
        return later;
    };
    const std::string converted = "older.dxf\nlost.dxf\nstale.dxf\n";
    const struct {
        std::string options, out;
    } rows[] = {
        {"", "fresh.dxf (up to date)\n" + converted},
        {"--fill=hatch --svg-rules=classic", "fresh.dxf (up to date)\n" + converted},
        {"--svg-rules=browser", "fresh.dxf\n" + converted},
        {"--no-fill", "fresh.dxf\n" + converted},
    };
    for (const auto& row : rows) {
        const auto later = prepare();
        const RunResult rerun = RunCli("--update " + row.options + " -o " + out + inputs);
        EXPECT_EQ(rerun.status, 0) << row.options;
        EXPECT_EQ(rerun.out, row.out) << row.options;
        if (row.out.rfind("fresh.dxf (up to date)", 0) == 0) {
            EXPECT_EQ(fs::last_write_time(out + "fresh.dxf"), later) << row.options;
        }
    }
}

// One JSON object per input, in input order, from --files-from names.
TEST(Cli, ReportOfAListedBatch) {
    const std::string in = TestInputFolder(), out = TestOutputFolder();
    WriteFile(in + "a.svg", kLine);
    WriteFile(in + "b.svg", "<svg height=\"10\"><line x1=\"0\" x2=\"1\"/><circle cx=\"1\" cy=\"1\" r=\"1\"/>"
                            "<line x1=\"0\" x2=\"2\"/></svg>");
    WriteFile(in + "list", std::string("b.svg\0gone.svg\0a.svg\0", 21));
    const RunResult r = RunCli("-j 2 -0 --files-from list --report report.jsonl -o " + out, "cd " + in + " && ");
    EXPECT_EQ(r.out, "b.dxf\nConvert\tgone.svg failed.\na.dxf\n");
    std::istringstream lines(ReadFile(in + "report.jsonl"));
    std::vector<nlohmann::json> report;
    for (std::string line; std::getline(lines, line);) report.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(report.size(), 3u);
    EXPECT_EQ(report[0]["input"], "b.svg");
    EXPECT_EQ(report[0]["output"], out + "b.dxf");
    EXPECT_EQ(report[0]["status"], "converted");
    EXPECT_EQ(report[0]["entities"], nlohmann::json({{"CIRCLE", 1}, {"LINE", 2}}));
    EXPECT_EQ(report[1]["status"], "failed");
    EXPECT_EQ(report[1]["reason"], "cannot read: No such file or directory");
    EXPECT_EQ(report[2]["input"], "a.svg");
    EXPECT_TRUE(report[2]["seconds"].is_number());
    EXPECT_TRUE(report[2]["warnings"].empty());
}

// "-" reads standard input; --stdout writes the same DXF to standard output alone.
TEST(Cli, StandardInputAndOutput) {
    const std::string in = TestInputFolder(), out = TestOutputFolder();
    WriteFile(in + "a.svg", kLine);
    const RunResult fromStdin = RunCli("-o " + out + " - < " + in + "a.svg");
    EXPECT_EQ(fromStdin.out, "stdin.dxf\n");
    const RunResult toStdout = RunCli("--stdout " + in + "a.svg");
    EXPECT_EQ(toStdout.status, 0);
    EXPECT_EQ(toStdout.out, ReadFile(out + "stdin.dxf"));
    EXPECT_EQ(RunCli("--stdout - < " + in + "a.svg").out, toStdout.out);
    EXPECT_EQ(RunCli("--threads 2 --stdout " + in + "a.svg").out, toStdout.out);
}

TEST(Cli, WorkersKeepInputOrderAndWriteTheSameFiles) {
    const std::string in = TestInputFolder();
    std::string inputs, expected;
    for (int i = 0; i < 12; ++i) {
        const std::string name = "f" + std::to_string(i);
        WriteFile(in + name + ".svg", i == 5 ? std::string("") : kLine);
        inputs += " " + in + name + ".svg";
        // The empty file is no drawing: it fails in its place.
        expected += i == 5 ? "Convert\t" + in + name + ".svg failed.\n" : name + ".dxf\n";
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

// The progress line appears on a terminal only (elsewhere stderr stays empty: see OptionForms).
TEST(Cli, ProgressOnATerminal) {
    const std::string in = TestInputFolder();
    WriteFile(in + "a.svg", kLine);
    if (std::system("script -qc true /dev/null >/dev/null 2>&1") != 0) GTEST_SKIP() << "no script(1)";
    // script runs the command on a new terminal and copies what it shows to our pipe.
    const std::string command = "cd " + in + " && script -qc '" + kBinary + " -j 2 -o " +
                                TestOutputFolder() + " a.svg a.svg' /dev/null";
    std::FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string shown;
    char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) shown.append(buffer, got);
    EXPECT_EQ(pclose(pipe), 0);
    // Either worker may draw first: "[1/2] a.svg  0%" or "[2/2] a.svg  0%".
    EXPECT_NE(shown.find("/2] a.svg  0%"), std::string::npos) << shown;
    EXPECT_NE(shown.find("\r\033[Ka.dxf"), std::string::npos) << shown;
}
