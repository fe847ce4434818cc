#include <cstdio>
#include <cstring>

#include "app/vextora_app.h"

int main(int argc, char** argv) {
    // Answered before Qt starts, so it works without a display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("vextora " VEXTORA_VERSION);
        return 0;
    }
    CVextoraApp app(argc, argv);
    return app.Run();
}
