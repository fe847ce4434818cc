#include <cstdio>
#include <cstring>

#include "app/vextora_app.h"

namespace {

const char kHelp[] =
    "Usage: vextora [FILE.svg | FOLDER]...\n"
    "Opens the Vextora window, which converts SVG drawings into DXF files.\n"
    "The named SVG files (.svg, .svgz) are listed in it; a folder lists the SVG\n"
    "files directly inside it. Names that are not SVG files are left out and\n"
    "reported here and in the window.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n";

// --help and --version are answered before Qt starts, so they need no display.
bool AnsweredWithoutWindow(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kHelp, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("vextora " VEXTORA_VERSION);
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (AnsweredWithoutWindow(argc, argv)) return 0;
    CVextoraApp app(argc, argv);
    return app.Run();
}
