// Whatever a drawing names, nothing is written outside the output folder, and
// an output that cannot be written completely leaves no trace: no partial
// file, no temporary file, an earlier DXF of the same name untouched.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <random>
#include <string>

#include "tests/hostile/hostile_support.h"
#include "tests/support/convert_fixture.h"

using namespace vxtest;
namespace fs = std::filesystem;

namespace {

// A 1 x 1 PNG.
const char kPngBase64[] =
    "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mNk+M9QDwADhgGAWjR9awAAAABJRU5ErkJggg==";

std::string PngBytes() { return "\x89PNG\r\n\x1A\n" + std::string(24, 'p'); }

// Every file below root with its content, for before-and-after comparisons.
std::map<std::string, std::string> Snapshot(const std::string& root) {
    std::map<std::string, std::string> files;
    for (const std::string& name : FilesBelow(root)) files[name] = ReadFile(root + name);
    return files;
}

// A sandbox two folders deep, so that a name climbing out of the output
// folder ("../..") still lands where the test can see it:
// <root>/a/b/in (the SVG and its pictures), <root>/a/b/out, <root>/secret.png.
struct Sandbox {
    Sandbox() {
        root = TestInputFolder() + "sandbox/";
        fs::remove_all(root);
        input = root + "a/b/in/";
        output = root + "a/b/out/";
        fs::create_directories(input + "pics");
        fs::create_directories(output);
        WriteFile(root + "secret.png", PngBytes());
        WriteFile(input + "pics/pic.png", PngBytes());
    }

    // Converts svg saved under fileName in the input folder; true on success.
    bool Convert(const std::string& svg, const std::string& fileName = "drawing.svg") {
        WriteFile(input + fileName, svg);
        return ConvertPath(input + fileName);
    }
    bool ConvertPath(const std::string& inputPath) {
        CSvgConverter converter;
        CConvertOptions chosen = converter.Options();
        chosen.svgRules = vxtest::TestSvgRules();
        chosen.imageFetch.allowNetwork = false;
        chosen.outputFolder = output;
        converter.SetOptions(chosen);
        std::string outName;
        const bool converted = converter.ConvertFile(inputPath, outName);
        ExpectOnlyFiniteReals(converter);
        lastOutName = outName;
        return converted;
    }

    // Files below root outside the output folder, with their contents; the
    // SVG files the test itself put into the input folder do not count.
    std::map<std::string, std::string> Outside() const {
        std::map<std::string, std::string> files = Snapshot(root);
        for (auto it = files.begin(); it != files.end();) {
            const std::string& name = it->first;
            const bool own = name.rfind("a/b/out/", 0) == 0 ||
                             (name.rfind("a/b/in/", 0) == 0 && name.size() >= 4 &&
                              name.compare(name.size() - 4, 4, ".svg") == 0);
            it = own ? files.erase(it) : std::next(it);
        }
        return files;
    }

    std::string root, input, output, lastOutName;
};

// Converts the sandbox's drawing.svg as a user without the right to write into
// read-only folders: root writes anywhere, so a child process gives it up
// first. 1 when it converted, 0 when it failed, -1 when it could not be tried.
int ConvertUnprivileged(Sandbox& box) {
    if (geteuid() != 0) return box.ConvertPath(box.input + "drawing.svg") ? 1 : 0;
    const pid_t child = fork();
    if (child < 0) return -1;
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(3);
        _exit(box.ConvertPath(box.input + "drawing.svg") ? 1 : 0);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status) <= 1 ? WEXITSTATUS(status) : -1;
}

std::string Image(const std::string& href) {
    return "<image x=\"0\" y=\"0\" width=\"4\" height=\"4\" xlink:href=\"" + href + "\"/>";
}

}  // namespace

TEST(OutputSafety, ImageNamesNeverLeaveTheOutputFolder) {
    Sandbox box;
    const std::string secret = fs::absolute(box.root + "secret.png").string();
    const std::vector<std::string> hrefs = {
        "../../../secret.png", "..%2f..%2f..%2fsecret.png", "%2e%2e%2f%2e%2e%2f%2e%2e%2fsecret.png",
        "pics/..%2f..%2f..%2f..%2fsecret.png", "pics\\..\\..\\..\\..\\secret.png",
        "pics%5c..%5c..%5csecret.png", secret, "file://" + secret, "file://localhost" + secret,
        "pics/pic.png%00/../../../../secret.png", "pics/pic.png%00", "..", ".", "pics/..",
        "pics/%2e%2e", "data:image/png;base64," + std::string(kPngBase64),
        "data:image/png;name=../../x.png;base64," + std::string(kPngBase64),
        "http://host/..%2f..%2fx.png", "http://host/a/..", "http://host/a\\..\\..\\x.png",
        "https://host/%2e%2e/%2e%2e/x.png", "http://../../x.png"};
    std::string body;
    for (const std::string& href : hrefs) body += Image(href);
    const auto before = box.Outside();

    ASSERT_TRUE(box.Convert(HostileSvg(body)));
    EXPECT_EQ(box.Outside(), before);
    const std::vector<std::string> written = FilesBelow(box.output);
    std::vector<std::string> paths;
    for (const std::string& name : written) paths.push_back(box.output + name);
    EXPECT_TRUE(AllInside(paths, box.output));
    // Only the drawing, the copied picture and the embedded ones: no folders, no stray names.
    for (const std::string& name : written) {
        EXPECT_EQ(name.find('/'), std::string::npos) << name;
        EXPECT_TRUE(name == "drawing.dxf" || name == "secret.png" ||
                    name.rfind("drawing-image", 0) == 0)
            << name;
    }
    // The DXF refers to pictures in the output folder only.
    const std::string dxf = ReadFile(box.output + "drawing.dxf");
    for (const Entity& definition : ObjectsOf(dxf, "IMAGEDEF"))
        EXPECT_TRUE(AllInside({definition.Str(1)}, box.output)) << definition.Str(1);
}

TEST(OutputSafety, LinksInTheOutputFolderAreReplacedNotWrittenThrough) {
    // A link where the DXF or a picture will go must not carry the write to
    // the file it points at.
    Sandbox box;
    WriteFile(box.root + "target.dxf", "outside");
    WriteFile(box.root + "target.png", "outside");
    fs::create_symlink(fs::absolute(box.root + "target.dxf"), box.output + "drawing.dxf");
    fs::create_symlink(fs::absolute(box.root + "target.png"), box.output + "pic.png");
    fs::create_symlink(fs::absolute(box.root + "target.png"), box.output + "drawing-image2.png");
    // Nor links planted at the names the temporary DXF will try (.NAME.tmpPID-N).
    for (int n = 0; n < 100; ++n)
        fs::create_symlink(fs::absolute(box.root + "target.dxf"), box.output + ".drawing.dxf.tmp" +
                                                                     std::to_string(getpid()) + "-" +
                                                                     std::to_string(n));
    const auto before = box.Outside();

    ASSERT_TRUE(box.Convert(HostileSvg(Image("pics/pic.png") + Image(std::string("data:image/png;base64,") +
                                                              kPngBase64))));
    EXPECT_EQ(box.Outside(), before);
    EXPECT_EQ(ReadFile(box.root + "target.dxf"), "outside");
    EXPECT_EQ(ReadFile(box.root + "target.png"), "outside");
    EXPECT_NE(ReadFile(box.output + "drawing.dxf").find("EOF"), std::string::npos);
    EXPECT_EQ(ReadFile(box.output + "pic.png"), PngBytes());
}

TEST(OutputSafety, OutputNamesNeverLeaveTheOutputFolder) {
    Sandbox box;
    const auto before = box.Outside();
    const std::string svg = HostileSvg("<line x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\"/>");
    // Names that look like folders on one system or another are plain names here.
    const std::vector<std::string> names = {
        "..\\..\\..\\escape.svg", "..svg", ".svg", "...svg", "%2e%2e%2fx.svg", "a\\b.svg"};
    std::vector<std::string> expected;
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(box.Convert(svg, name));
        expected.push_back(box.lastOutName);
        EXPECT_EQ(box.lastOutName.find('/'), std::string::npos);
    }
    // A zero byte ends the file name the system opens; what follows it does not
    // steer the output anywhere.
    WriteFile(box.input + "plain.svg", svg);
    box.ConvertPath(box.input + "plain.svg" + std::string(1, '\0') + "/../../../../nul.svg");
    EXPECT_EQ(box.lastOutName.find('/'), std::string::npos);

    EXPECT_EQ(box.Outside(), before);
    std::vector<std::string> paths;
    for (const std::string& name : FilesBelow(box.output)) paths.push_back(box.output + name);
    EXPECT_TRUE(AllInside(paths, box.output));
    for (const std::string& name : expected)
        EXPECT_TRUE(fs::exists(box.output + name)) << name;
}

TEST(OutputSafety, FullDiskFailsTheFileAndKeepsTheEarlierDxf) {
    // A file size limit makes writes fail the way a full disk does.
    Sandbox box;
    WriteFile(box.output + "drawing.dxf", "earlier");
    std::string body;
    for (int i = 0; i < 5000; ++i)
        body += "<line x1=\"" + std::to_string(i) + "\" y1=\"0\" x2=\"1\" y2=\"1\"/>";
    const std::string svg = HostileSvg(body);
    WriteFile(box.input + "drawing.svg", svg);

    // A picture larger than the limit is left out whole; the small drawing converts.
    std::mt19937 generator(5);
    std::string noise(96 * 1024, '\0');
    for (char& c : noise) c = static_cast<char>(generator());
    WriteFile(box.input + "big.png", "\x89PNG\r\n\x1A\n" + noise);
    WriteFile(box.input + "small.svg", HostileSvg(Image("big.png") + "<line x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\"/>"));

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool large = box.ConvertPath(box.input + "drawing.svg");
    const bool smallConverted = box.ConvertPath(box.input + "small.svg");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(large);
    EXPECT_EQ(ReadFile(box.output + "drawing.dxf"), "earlier");
    EXPECT_TRUE(smallConverted);
    EXPECT_EQ(FilesBelow(box.output), (std::vector<std::string>{"drawing.dxf", "small.dxf"}));
    const std::string dxf = ReadFile(box.output + "small.dxf");
    EXPECT_TRUE(EntitiesOf(dxf, "IMAGE").empty());
    EXPECT_EQ(EntitiesOf(dxf, "LINE").size(), 1u);
}

TEST(OutputSafety, ReadOnlyOutputFolderFailsAndLeavesNoTemporaryFile) {
    Sandbox box;
    WriteFile(box.input + "pic.png", PngBytes());
    WriteFile(box.input + "drawing.svg",
              HostileSvg(Image("pic.png") + Image(std::string("data:image/png;base64,") + kPngBase64)));
    // The same user converts into a folder open to everyone: the failure below
    // is the folder's doing alone.
    chmod(box.output.c_str(), 0777);
    ASSERT_EQ(ConvertUnprivileged(box), 1);
    fs::remove_all(box.output);
    fs::create_directories(box.output);
    WriteFile(box.output + "drawing.dxf", "earlier");
    chmod(box.output.c_str(), 0555);
    const int converted = ConvertUnprivileged(box);
    chmod(box.output.c_str(), 0755);
    ASSERT_NE(converted, -1) << "no unprivileged user to convert as";
    EXPECT_EQ(converted, 0);
    EXPECT_EQ(ReadFile(box.output + "drawing.dxf"), "earlier");
    EXPECT_EQ(FilesBelow(box.output), std::vector<std::string>{"drawing.dxf"});
}
