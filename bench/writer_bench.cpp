// Real groups per second of our DXF writer and of dxflib's own ASCII writer,
// side by side, both writing the same coordinates to a file.
// Usage: bench-writer_bench [groups] [folder]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "dxf/dxf_writer.h"

namespace {

std::vector<double> Coordinates(size_t count) {
    // Drawing-like values: a few decimals, mixed signs and magnitudes.
    std::vector<double> values(count);
    unsigned long long state = 88172645463325252ULL;
    for (double& v : values) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        v = double(state % 2000000) / 1000.0 - 1000.0;
    }
    return values;
}

template <class Write>
double GroupsPerSecond(size_t count, Write write) {
    const auto start = std::chrono::steady_clock::now();
    write();
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    return double(count) / seconds.count();
}

void WriteGroups(const DL_Writer& writer, const std::vector<double>& values) {
    for (size_t i = 0; i < values.size(); ++i) writer.dxfReal(10 + int(i % 3) * 10, values[i]);
}

}  // namespace

int main(int argc, char** argv) {
    const size_t ours = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 5000000;
    const std::string folder = argc > 2 ? argv[2] : "/tmp";
    // dxflib flushes after every real: a tenth of the groups is enough to measure it.
    const size_t theirs = ours / 10 > 0 ? ours / 10 : 1;
    const std::vector<double> values = Coordinates(ours);
    const std::vector<double> fewer(values.begin(), values.begin() + long(theirs));

    CFileSink sink;
    if (!sink.Open(folder + "/writer_bench_ours.dxf")) {
        std::fprintf(stderr, "cannot write into %s\n", folder.c_str());
        return 1;
    }
    bool finished = false;
    const double oursRate = GroupsPerSecond(ours, [&] {
        CDxfWriter writer(sink);
        WriteGroups(writer, values);
        finished = writer.Finish();
    });
    const std::string theirPath = folder + "/writer_bench_dxflib.dxf";
    const double theirRate = GroupsPerSecond(theirs, [&] {
        DL_WriterA writer(theirPath.c_str());
        WriteGroups(writer, fewer);
        writer.close();
    });
    std::remove((folder + "/writer_bench_ours.dxf").c_str());
    std::remove(theirPath.c_str());
    if (!finished) {
        std::fprintf(stderr, "our writer failed\n");
        return 1;
    }
    std::printf("ours:   %zu real groups, %.2f million groups/s\n", ours, oursRate / 1e6);
    std::printf("dxflib: %zu real groups, %.2f million groups/s\n", theirs, theirRate / 1e6);
    std::printf("ratio:  %.1f\n", oursRate / theirRate);
    return 0;
}
