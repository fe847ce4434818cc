// bench-path_bench: path conversion speed.
//
//   bench-path_bench [MB of the long path data, default 10]
//
// Builds a path-heavy drawing (a few thousand short paths with lines, curves
// and arcs, and one path whose d attribute alone has the given size), converts
// it end to end (SVG file in, DXF file out) and prints path vertices per
// second; it also times the path data parser alone on the same data.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "convert/svg_converter.h"

namespace {

constexpr int kShortPaths = 5000;

// Path data of about `bytes` characters mixing every kind of command.
std::string PathData(size_t bytes, unsigned seed) {
    std::string d = "M0 0";
    d.reserve(bytes + 64);
    char piece[160];
    for (unsigned i = seed; d.size() < bytes; ++i) {
        const int x = int(i * 37 % 500), y = int(i * 91 % 500);
        const char* format = nullptr;
        switch (i % 6) {
            case 0: format = " L%d %d l3-4 5 6"; break;
            case 1: format = " C%d %d %d 40 %d %d"; break;
            case 2: format = " Q%d %d 10 20 T30 %d"; break;
            case 3: format = " A20 10 30 0 1 %d %d"; break;
            case 4: format = " H%d V%d"; break;
            default: format = " z M%d,%d"; break;
        }
        std::snprintf(piece, sizeof piece, format, x, y, y, x, x + 10, y);
        d += piece;
    }
    return d;
}

std::string Drawing(size_t longBytes) {
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"500\" height=\"500\">\n";
    svg += "<g id=\"paths\" stroke=\"#204080\" stroke-width=\"2\">\n";
    for (int i = 0; i < kShortPaths; ++i)
        svg += "<path d=\"" + PathData(200, unsigned(i)) + "\"/>\n";
    svg += "<path d=\"" + PathData(longBytes, 7) + "\"/>\n</g>\n</svg>\n";
    return svg;
}

double Seconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Path vertices of the drawing, counted by the parser alone; also its time.
size_t CountVertices(const std::string& svg, double& seconds) {
    CSvgConverter conv;
    vx::CPathReaderState& state = conv.PathReaderState();
    size_t vertices = 0;
    const auto start = std::chrono::steady_clock::now();
    for (size_t at = svg.find(" d=\""); at != std::string::npos; at = svg.find(" d=\"", at)) {
        at += 4;
        const size_t end = svg.find('"', at);
        std::vector<CPointData> points;
        int drawn = 0;
        vx::CollectPathPoints(state, std::string_view(svg).substr(at, end - at), points, drawn);
        vertices += points.size();
        at = end;
    }
    seconds = Seconds(start);
    return vertices;
}

}  // namespace

int main(int argc, char** argv) {
    const double megabytes = argc > 1 ? std::atof(argv[1]) : 10;
    const std::string svg = Drawing(size_t(megabytes * 1024 * 1024));
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("vextora-path-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string input = (folder / "paths.svg").string();
    std::ofstream(input, std::ios::binary) << svg;

    double parseSeconds = 0;
    const size_t vertices = CountVertices(svg, parseSeconds);

    CSvgConverter conv;
    CConvertOptions chosen = conv.Options();
    chosen.outputFolder = folder.string() + "/";
    conv.SetOptions(chosen);
    std::string outName;
    const auto start = std::chrono::steady_clock::now();
    const bool ok = conv.ConvertFile(input, outName);
    const double convertSeconds = Seconds(start);
    const auto dxfBytes = ok ? std::filesystem::file_size(folder / outName) : 0;
    std::filesystem::remove_all(folder);

    std::printf("drawing %.1f MB, %zu path vertices\n", double(svg.size()) / (1024 * 1024),
                vertices);
    std::printf("parser alone:  %.2f s, %.2f million vertices/s\n", parseSeconds,
                double(vertices) / parseSeconds / 1e6);
    std::printf("end to end:    %.2f s, %.2f million vertices/s, DXF %.1f MB%s\n", convertSeconds,
                double(vertices) / convertSeconds / 1e6, double(dxfBytes) / (1024 * 1024),
                ok ? "" : " (conversion failed)");
    return ok ? 0 : 1;
}
