// bench-xml_bench: speed and memory of building the element tree.
//
//   bench-xml_bench FILE.svg...
//
// For each file: MB/s of LoadXml on the content held in memory (best of 3), the number of
// top-level elements, the heap the finished tree holds as a multiple of the file size, and the peak
// resident memory of the process so far.
#include <malloc.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "xml/xml_node.h"
#include "xml/xml_parser.h"

namespace {

constexpr int kRuns = 3;
constexpr double kMb = 1024.0 * 1024.0;

size_t HeapInUse() { return mallinfo2().uordblks; }

void MeasureFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    double best = 1e300;
    for (int i = 0; i < kRuns; ++i) {
        CXML root;
        const auto start = std::chrono::steady_clock::now();
        LoadXml(root, content, "", nullptr);
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
        best = std::min(best, spent.count());
    }
    const size_t heapBefore = HeapInUse();
    CXML root;
    LoadXml(root, content, "", nullptr);
    const double treeBytes = double(HeapInUse() - heapBefore);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double megabytes = double(content.size()) / kMb;
    std::printf("%-28s %8.2f MB %7zu top-level %8.1f MB/s  tree %.2f x file  peak RSS %.1f MB\n",
                path, megabytes, root.GetChildCount(), megabytes / best,
                treeBytes / double(content.size()), usage.ru_maxrss / 1024.0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench-xml_bench FILE.svg...\n");
        return 2;
    }
    for (int i = 1; i < argc; ++i) MeasureFile(argv[i]);
    return 0;
}
