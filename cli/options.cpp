#include "cli/options.h"

#include <getopt.h>

#include <algorithm>
#include <cstdlib>

const char kUsageText[] =
    "Usage: vextora-convert [OPTION]... -o OUTDIR FILE.svg...\n"
    "       vextora-convert [OPTION]... --stdout FILE.svg > FILE.dxf\n"
    "\n"
    "Converts each SVG drawing into OUTDIR/NAME.dxf (DXF 2000, AC1015), in the order given.\n"
    "Prints one line per input, in input order: the DXF file name, \"NAME.dxf (up to date)\"\n"
    "when --update skipped the file, or \"Convert\\t<input> failed.\". The input - reads\n"
    "one SVG from standard input (its DXF is OUTDIR/stdin.dxf).\n"
    "\n"
    "Options:\n"
    "  -o, --output=DIR      output folder (required unless --stdout); made when missing\n"
    "  --stdout              write the DXF of the single input to standard output; no name\n"
    "                        line is printed and no picture is fetched or stored\n"
    "  --fill[=MODE]         how filled shapes are written: hatch (solid hatches, the\n"
    "                        default; --fill alone), outline (outlines in the fill colour,\n"
    "                        as --no-fill) or both (each hatch followed by its boundary)\n"
    "  --no-fill             the same as --fill=outline\n"
    "  --no-download         never fetch http:// or https:// images (they are left out)\n"
    "  --svg-rules=RULES     classic (default) or browser: how the SVG is read, see below\n"
    "  -j, --jobs=N          convert on N workers, 1 to 256 (default 1); see below\n"
    "  --threads=N           threads per file, 1 or 2: with 2 the DXF is formatted and\n"
    "                        written beside the reading (the same bytes). Default: 2 for\n"
    "                        inputs from 256 KB on a machine of two cores or more, but 1\n"
    "                        when several workers run\n"
    "  --files-from=FILE     also convert the files named in FILE, one per line (- : stdin);\n"
    "                        a CR before the newline is dropped; NUL bytes in it need -0\n"
    "  -0, --null            names in the --files-from list end with NUL, not newline\n"
    "  -u, --update          convert only when the DXF is missing, older than the SVG,\n"
    "                        made with another --svg-rules or --fill (or before DXFs\n"
    "                        recorded them), or missing a picture; not with --stdout\n"
    "  --report=FILE.jsonl   write one JSON object per input: input, output, status,\n"
    "                        reason, warnings, entities (count per type), seconds\n"
    "  -q, --quiet           print no warnings (failure reasons still print)\n"
    "  -h, --help            show this text\n"
    "  --version             show the program's version\n"
    "  --                    end of options: every later argument is an input\n"
    "\n"
    "Input: SVG in UTF-8 or UTF-16 (with a byte order mark), also gzip-compressed\n"
    "(.svgz). Tabs and line breaks in tags, compact path data (M1.5.5, a1 1 0 011 1) and\n"
    "blanks in styles (fill: red) are read as browsers read them. A file without an svg\n"
    "element fails: \"not an SVG drawing\".\n"
    "\n"
    "Two readings. classic (the default) reads by Vextora's fixed rules, described\n"
    "next; choose it for drawings made for it and when earlier DXFs must stay the same.\n"
    "browser reads as a browser draws: style sheets and class, inherited styles,\n"
    "every transform (rotate and skew too), use of any element, hidden shapes left out,\n"
    "overlapping nonzero fills united, colours matched by eye; a root sized in mm, cm,\n"
    "in, pt, pc or px gives a DXF in millimetres ($INSUNITS 4). Choose it for drawings\n"
    "from Inkscape, Illustrator, icon sets and the web. Browser also cuts shapes to\n"
    "their clip paths and draws markers at every path vertex, cut to their viewport\n"
    "unless overflow is visible; gradients fill with the mean of their stops, patterns\n"
    "with their fallback colour. Not read in either: masks, filters (browser warns of\n"
    "them). Classic reads no clip paths, nor a pattern's fallback colour.\n"
    "\n"
    "What is converted: line, polyline, polygon, rect (plain and rounded), circle, ellipse,\n"
    "path (every command), markers, symbols placed by use, text and tspan, image.\n"
    "Classic: coordinates are SVG user units with y flipped by the drawing height (no\n"
    "unit conversion, no viewBox scaling). Curves and arcs are flattened into straight\n"
    "segments. Transforms: matrix, translate and scale; rotate and skew are not applied.\n"
    "Drawing state (colours, fill, layer) is carried from element to element in document\n"
    "order; each group id becomes a layer. Images named by http:// or https:// addresses\n"
    "are downloaded into OUTDIR unless --no-download is given: converting an untrusted\n"
    "drawing makes network requests on its behalf. data: and local images are copied.\n"
    "An element whose coordinates are too large for the DXF (1e400, or overflowing once\n"
    "transformed) is left out with a warning; the rest of the drawing is converted.\n"
    "\n"
    "For laser cutting and CNC, choose --svg-rules=browser (drawn as seen, sizes in mm\n"
    "when the drawing gives them) and --fill=both: each filled shape is a hatch to look\n"
    "at followed by its boundary to cut, on the same layer and colour (a circle or\n"
    "ellipse as itself, any other outline as a closed LWPOLYLINE). Hatches alone give\n"
    "CAM nothing to cut; --no-fill gives outlines only. No polyline repeats a vertex,\n"
    "and the header's extents and saved view frame the whole drawing.\n"
    "\n"
    "Messages go to standard error. A failed file gets one line with its reason,\n"
    "\"vextora-convert: FILE: REASON\"; a warning about something left out is \"FILE: TEXT\".\n"
    "A drawing cut off before its closing tag converts what was read, with a warning.\n"
    "Classic warns once per file of the elements it reads unlike a browser (rotate,\n"
    "skew, style sheets, class, hidden layers, ...), with their count. An output folder\n"
    "that cannot be made is said once, before converting, with exit status 1.\n"
    "Two inputs that would write the same DXF name (a/x.svg and b/x.svg): the later one\n"
    "fails and nothing of the earlier one's is overwritten. On a terminal, standard error\n"
    "shows the batch's progress as \"[n/N] FILE  pct%\" on one line.\n"
    "\n"
    "With -j N > 1 each worker has its own converter. Every file starts from the same\n"
    "state, so its DXF is the same alone, in a batch and on any number of workers.\n"
    "Lines still come in input order.\n"
    "\n"
    "SIGINT, SIGTERM and SIGHUP stop the batch: the file in progress fails (\"interrupted\";\n"
    "no temporary file stays, an earlier DXF of its name is kept), finished files stay, and\n"
    "inputs not yet started get no line.\n"
    "\n"
    "Exit status: 0 when every file converted (or was up to date), 1 when any failed,\n"
    "2 for a usage error, 128 + the signal's number when interrupted (130 for Ctrl-C).\n";

const char kVersionText[] = "vextora-convert " VEXTORA_VERSION "\n";

namespace {

enum LongOnly {
    kFill = 256, kNoFill, kNoDownload, kVersion, kStdout, kFilesFrom, kReport, kSvgRules, kThreads
};

const option kOptions[] = {
    {"output", required_argument, nullptr, 'o'},
    {"jobs", required_argument, nullptr, 'j'},
    {"quiet", no_argument, nullptr, 'q'},
    {"help", no_argument, nullptr, 'h'},
    {"null", no_argument, nullptr, '0'},
    {"update", no_argument, nullptr, 'u'},
    {"fill", optional_argument, nullptr, kFill},
    {"no-fill", no_argument, nullptr, kNoFill},
    {"no-download", no_argument, nullptr, kNoDownload},
    {"version", no_argument, nullptr, kVersion},
    {"stdout", no_argument, nullptr, kStdout},
    {"files-from", required_argument, nullptr, kFilesFrom},
    {"report", required_argument, nullptr, kReport},
    {"svg-rules", required_argument, nullptr, kSvgRules},
    {"threads", required_argument, nullptr, kThreads},
    {nullptr, 0, nullptr, 0},
};
// The leading ':' makes a missing argument ':' and keeps getopt's own messages off.
const char kShortOptions[] = ":o:j:qh0u";

// A count of 1 to most; what names it in the message ("jobs").
bool ParseCount(const char* text, const char* what, int most, int& count, std::string& error) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*text == '\0' || *end != '\0' || value < 1 || value > most) {
        error = "invalid number of " + std::string(what) + " '" + text + "': use 1 " +
                (most == 2 ? "or " : "to ") + std::to_string(most);
        return false;
    }
    count = int(value);
    return true;
}

bool ParseFillMode(const char* text, int& fillOption, std::string& error) {
    const std::string mode = text ? text : "hatch";
    if (mode == "hatch" || mode == "outline" || mode == "both") {
        fillOption = mode == "hatch" ? kFillHatch : mode == "outline" ? kFillOutline : kFillBoth;
        return true;
    }
    error = "invalid fill mode '" + mode + "': use hatch, outline or both";
    return false;
}

bool ParseSvgRules(const std::string& text, SvgRules& rules, std::string& error) {
    if (text == "classic" || text == "browser") {
        rules = text == "browser" ? SvgRules::Browser : SvgRules::Classic;
        return true;
    }
    error = "invalid SVG rules '" + text + "': use classic or browser";
    return false;
}

// getopt's failure as one line: the option as the user wrote it.
std::string OptionError(int code, char** argv) {
    const std::string written = optopt && code == '?' ? std::string("-") + char(optopt)
                                                      : std::string(argv[optind - 1]);
    if (code == ':') return "option '" + written + "' needs a value";
    return "unknown option '" + written + "'";
}

bool ApplyOption(int code, CCommandLine& options, std::string& error) {
    switch (code) {
        case 'o': options.outputFolder = optarg; return true;
        case 'j': return ParseCount(optarg, "jobs", kMaxJobs, options.jobs, error);
        case 'q': options.quiet = true; return true;
        case 'h': options.help = true; return true;
        case '0': options.nulSeparated = true; return true;
        case 'u': options.update = true; return true;
        case kFill: return ParseFillMode(optarg, options.fillOption, error);
        case kNoFill: options.fillOption = kFillOutline; return true;
        case kNoDownload: options.download = false; return true;
        case kVersion: options.version = true; return true;
        case kStdout: options.toStdout = true; return true;
        case kFilesFrom: options.filesFrom = optarg; return true;
        case kReport: options.reportPath = optarg; return true;
        case kSvgRules: return ParseSvgRules(optarg, options.svgRules, error);
        case kThreads: return ParseCount(optarg, "threads", kMaxThreads, options.threads, error);
        default: return false;
    }
}

}  // namespace

bool ParseCommandLine(int argc, char** argv, CCommandLine& options, std::string& error) {
    opterr = 0;
    optind = 0;  // 0 also resets GNU getopt's state for a second parse
    for (int code; (code = getopt_long(argc, argv, kShortOptions, kOptions, nullptr)) != -1;) {
        if (code == '?' || code == ':') return error = OptionError(code, argv), false;
        if (!ApplyOption(code, options, error)) return false;
    }
    options.inputs.assign(argv + optind, argv + argc);
    if (options.help || options.version) return true;
    if (options.outputFolder.empty() && !options.toStdout)
        return error = "no output folder (-o)", false;
    if (options.inputs.empty() && options.filesFrom.empty())
        return error = "no input files", false;
    if (options.update && options.toStdout)
        return error = "--update needs a DXF file to compare with, not --stdout", false;
    return true;
}

bool CheckInputs(const CCommandLine& options, std::string& error) {
    if (options.toStdout && options.inputs.size() > 1)
        return error = "--stdout takes a single input", false;
    const long readers = std::count(options.inputs.begin(), options.inputs.end(), "-") +
                         (options.filesFrom == "-" ? 1 : 0);
    if (readers > 1) return error = "standard input can be read only once", false;
    // A name never holds NUL: such a list ends its names with NUL, and read by
    // lines it would put one drawing under another's name.
    const auto holdsNul = [](const std::string& name) { return name.find('\0') != name.npos; };
    if (!options.nulSeparated && std::any_of(options.inputs.begin(), options.inputs.end(), holdsNul))
        return error = options.filesFrom + " holds NUL bytes: give -0 for a list of NUL-ended names", false;
    return true;
}
