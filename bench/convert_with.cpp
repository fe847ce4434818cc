// bench-convert_with: converts files with a given number of threads per file,
// for timing one mode alone and for comparing the output of two modes.
//
//   bench-convert_with THREADS OUTPUT_FOLDER FILE.svg...
//
// THREADS is 1, 2 or 0 (the automatic choice). Prints a line for every file that fails,
// then the processor seconds of the converting thread and of the other threads: on an idle
// machine the larger of the two bounds the wall time, on a busy one they still compare modes.
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "convert/svg_converter.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "Usage: bench-convert_with THREADS OUTPUT_FOLDER FILE.svg...\n");
        return 2;
    }
    CSvgConverter converter;
    CConvertOptions chosen = converter.Options();
    chosen.threads = std::atoi(argv[1]);
    chosen.outputFolder = std::string(argv[2]) + "/";
    converter.SetOptions(chosen);
    int status = 0;
    for (int i = 3; i < argc; ++i) {
        std::string outName;
        if (converter.ConvertFile(argv[i], outName)) continue;
        std::fprintf(stderr, "%s: %s\n", argv[i], converter.FailureReason().c_str());
        status = 1;
    }
    rusage self{}, walk{};
    getrusage(RUSAGE_SELF, &self);
    getrusage(RUSAGE_THREAD, &walk);
    const auto seconds = [](const rusage& u) {
        return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
               double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
    };
    std::printf("converting thread %.3f s, other threads %.3f s\n", seconds(walk),
                seconds(self) - seconds(walk));
    return status;
}
