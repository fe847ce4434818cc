// A whole conversion: the input is written as an SVG file into a private
// temporary folder and converted into the same folder, downloads off. Local
// image references may point anywhere; nothing may be written outside the folder.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "convert/svg_converter.h"

namespace {

std::string MakeWorkFolder() {
    // A memory-backed folder keeps the many large outputs off the disk.
    std::string pattern = access("/dev/shm", W_OK) == 0 ? "/dev/shm/vextora-fuzz-XXXXXX"
                                                         : "/tmp/vextora-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    return pattern + "/";
}

const std::string& WorkFolder() {
    static const std::string folder = MakeWorkFolder();
    return folder;
}

void WriteInput(const std::string& path, const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    if (size && std::fwrite(data, 1, size, file) != size) std::abort();
    std::fclose(file);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input = WorkFolder() + "drawing.svg";
    WriteInput(input, data, size);

    CSvgConverter conv;
    // The last byte picks the fill option and the reading, so both readings see every input.
    CConvertOptions chosen = conv.Options();
    chosen.fillOption = size > 0 && (data[size - 1] & 1);
    chosen.svgRules = size > 0 && (data[size - 1] & 2) ? SvgRules::Browser : SvgRules::Classic;
    chosen.imageFetch.allowNetwork = false;
    chosen.outputFolder = WorkFolder();
    conv.SetOptions(chosen);
    std::string outName;
    conv.ConvertFile(input, outName);
    // The DXF and any image copies go; the folder is reused by the next run.
    for (const auto& entry : std::filesystem::directory_iterator(WorkFolder()))
        std::filesystem::remove_all(entry.path());
    return 0;
}
