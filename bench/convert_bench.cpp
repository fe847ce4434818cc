// bench-convert_bench: reading and conversion speed of SVG files, one table row per file.
//
//   bench-convert_bench FILE.svg...
//
// For each file: MB/s of building the XML tree from the file content (LoadXml), MB/s of a whole
// conversion (ConvertFile into a temporary folder, reading the file included), the number of
// points in the DXF it wrote, and the peak resident memory of the conversion. Times are the best
// of three runs. Each file is measured in a child process of its own, so that the peak memory
// of one file is not hidden by a larger file measured before it.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"
#include "convert/svg_converter.h"
#include "xml/xml_node.h"
#include "xml/xml_parser.h"

namespace {

constexpr int kRuns = 3;
constexpr double kMb = 1024.0 * 1024.0;

// The shortest of kRuns runs, in seconds.
double BestSeconds(const std::function<void()>& run) {
    double best = 1e300;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
        best = std::min(best, spent.count());
    }
    return best;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

size_t CountElements(const CXML& root) {
    size_t count = 0;
    std::vector<const CXML*> pending{&root};
    while (!pending.empty()) {
        const CXML* element = pending.back();
        pending.pop_back();
        ++count;
        for (const CXML* child : element->Children()) pending.push_back(child);
    }
    return count;
}

// Group code 10 carries the x of every point the DXF holds (entity points and polyline vertices).
size_t CountDxfPoints(const std::string& path) {
    std::ifstream in(path);
    std::string code, value;
    size_t points = 0;
    while (std::getline(in, code) && std::getline(in, value)) {
        if (vx::TrimView(code) == "10") ++points;
    }
    return points;
}

struct CFileResult {
    double megabytes = 0;
    double readSeconds = 0;
    double convertSeconds = 0;
    size_t elements = 0;
    size_t dxfPoints = 0;
    long peakRssKb = 0;
    bool converted = false;
};

CFileResult Measure(const std::string& path, const std::string& outputFolder) {
    CFileResult result;
    std::string outName;
    result.convertSeconds = BestSeconds([&] {
        CSvgConverter converter;
        CConvertOptions chosen = converter.Options();
        chosen.outputFolder = outputFolder;
        converter.SetOptions(chosen);
        result.converted = converter.ConvertFile(path, outName);
    });
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    result.peakRssKb = usage.ru_maxrss;
    if (result.converted) result.dxfPoints = CountDxfPoints(outputFolder + outName);

    const std::string content = ReadWholeFile(path);
    result.megabytes = double(content.size()) / kMb;
    result.readSeconds = BestSeconds([&] {
        CXML root;
        LoadXml(root, content, "svg", nullptr);
        result.elements = CountElements(root);
    });
    return result;
}

void PrintRow(const std::string& path, const CFileResult& r) {
    const auto rate = [&](double seconds) { return seconds > 0 ? r.megabytes / seconds : 0.0; };
    std::printf("%-32s %9.2f %10zu %10.1f %10.1f %10.3f %12zu %10.1f %s\n",
                std::filesystem::path(path).filename().c_str(), r.megabytes, r.elements,
                rate(r.readSeconds), rate(r.convertSeconds), r.convertSeconds, r.dxfPoints,
                r.peakRssKb / 1024.0, r.converted ? "ok" : "FAILED");
}

// Measures one file in a child process; false when the child did not finish normally.
bool MeasureInChild(const std::string& path, const std::string& outputFolder) {
    std::fflush(stdout);
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        PrintRow(path, Measure(path, outputFolder));
        std::fflush(stdout);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "Usage: bench-convert_bench FILE.svg...\n");
        return 2;
    }
    char folderTemplate[] = "/tmp/vextora-bench-XXXXXX";
    if (!mkdtemp(folderTemplate)) {
        std::perror("bench-convert_bench: temporary folder");
        return 1;
    }
    const std::string outputFolder = std::string(folderTemplate) + "/";

    std::printf("best of %d runs; convert = ConvertFile including reading the file\n", kRuns);
    std::printf("%-32s %9s %10s %10s %10s %10s %12s %10s %s\n", "file", "MB", "elements",
                "read MB/s", "conv MB/s", "conv s", "DXF points", "peak MB", "result");
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        if (!MeasureInChild(argv[i], outputFolder)) {
            std::printf("%-32s crashed or could not be measured\n", argv[i]);
            status = 1;
        }
    }
    std::error_code ignored;
    std::filesystem::remove_all(folderTemplate, ignored);
    return status;
}
