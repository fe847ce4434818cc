#include "cli/options.h"

#include <cstdlib>

const char kUsageText[] =
    "Usage: vextora-convert [--fill | --no-fill] [--no-download] [-j N] -o OUTDIR FILE.svg...\n"
    "\n"
    "Converts each SVG drawing into OUTDIR/NAME.dxf (DXF 2000, AC1015), in the order given.\n"
    "Prints one line per input: the DXF file name, or \"Convert\\t<input> failed.\"\n"
    "\n"
    "Options:\n"
    "  -o, --output DIR   output folder (required)\n"
    "  --fill             write filled paths, rectangles and symbols as solid hatches (default)\n"
    "  --no-fill          draw filled paths and rectangles as outlines only\n"
    "  --no-download      never fetch http:// or https:// images (they are dropped)\n"
    "  -j N               convert on N workers (default 1); see below\n"
    "  -h, --help         show this text\n"
    "  --version          show the program's version\n"
    "\n"
    "What is converted: line, polyline, polygon, rect (plain and rounded), circle, ellipse,\n"
    "path (every command), markers, symbols placed by use, text and tspan, image.\n"
    "Coordinates are SVG user units with y flipped by the drawing height (no unit\n"
    "conversion, no viewBox scaling). Curves and arcs are flattened into straight\n"
    "segments. Transforms: matrix, translate and scale; rotate and skew are not applied.\n"
    "Drawing state (colours, fill, layer) is carried from element to element in document\n"
    "order; each group id becomes a layer. Images named by http:// or https:// addresses\n"
    "are downloaded into OUTDIR (unless --no-download); data: and local images are copied.\n"
    "An element whose coordinates are too large for the DXF (1e400, or overflowing once\n"
    "transformed) is left out; the rest of the drawing is converted.\n"
    "\n"
    "With -j N > 1 each worker has its own converter: what one converter carries from one\n"
    "file to the next (the last curve control point of path data; the output folder and\n"
    "fill option are the same everywhere) is per worker. Lines still come in input order.\n"
    "\n"
    "Exit status: 0 when every file converted, 1 when any failed, 2 for a usage error.\n";

const char kVersionText[] = "vextora-convert " VEXTORA_VERSION "\n";

bool ParseCommandLine(int argc, char** argv, CCommandLine& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--fill") {
            options.fill = true;
        } else if (arg == "--no-fill") {
            options.fill = false;
        } else if (arg == "--no-download") {
            options.download = false;
        } else if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "-o" || arg == "--output") {
            if (++i >= argc) return error = "option " + arg + " needs a folder", false;
            options.outputFolder = argv[i];
        } else if (arg == "-j") {
            if (++i >= argc) return error = "option -j needs a number", false;
            char* end = nullptr;
            const long jobs = std::strtol(argv[i], &end, 10);
            if (*end != '\0' || jobs < 1 || jobs > 256) return error = "bad -j value", false;
            options.jobs = int(jobs);
        } else if (arg.size() > 1 && arg[0] == '-') {
            return error = "unknown option " + arg, false;
        } else {
            options.inputs.push_back(arg);
        }
    }
    if (options.help || options.version) return true;
    if (options.outputFolder.empty()) return error = "no output folder (-o)", false;
    if (options.inputs.empty()) return error = "no input files", false;
    return true;
}
