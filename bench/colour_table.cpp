// Prints the table of docs/colours.md: common flag and brand colours and the
// DXF colour number each reading gives them.
#include <cstdint>
#include <cstdio>

#include "dxf/dxf_palette.h"
#include "dxf/perceptual_palette.h"

namespace {

struct CNamedColour {
    const char* name;
    uint32_t rrggbb;
};

const CNamedColour kColours[] = {
    {"black", 0x000000},          {"white", 0xFFFFFF},          {"grey", 0x808080},
    {"light grey", 0xD3D3D3},     {"Korean flag red", 0xCD2E3A}, {"Korean flag blue", 0x0047A0},
    {"UK flag red", 0xC8102E},    {"UK flag blue", 0x012169},   {"US flag red", 0xB22234},
    {"US flag blue", 0x3C3B6E},   {"French flag blue", 0x002395}, {"Indian saffron", 0xFF9933},
    {"Indian green", 0x138808},   {"Brazilian yellow", 0xFEDF00}, {"dark red", 0xCE0000},
    {"Google blue", 0x4285F4},    {"Google green", 0x34A853},   {"Google yellow", 0xFBBC05},
    {"Facebook blue", 0x1877F2},  {"Twitter blue", 0x1DA1F2},   {"orange", 0xFFA500},
    {"purple", 0x800080},
};

uint32_t EngineRgb(uint32_t rrggbb) {
    return (rrggbb >> 16) | (rrggbb & 0xFF00) | (rrggbb & 0xFF) << 16;
}

uint32_t NumberRgb(int number) { return number == 255 ? 0xFFFFFF : vx::DxfPaletteRgb(number); }

}  // namespace

int main() {
    std::printf("| colour | RGB | classic | browser |\n|---|---|---|---|\n");
    for (const CNamedColour& colour : kColours) {
        const int classic = vx::NearestDxfColor(EngineRgb(colour.rrggbb));
        const int browser = vx::NearestDxfColorPerceptual(EngineRgb(colour.rrggbb));
        std::printf("| %s | `#%06X` | %d (`#%06X`) | %d (`#%06X`) |\n", colour.name, colour.rrggbb,
                    classic, NumberRgb(classic), browser, NumberRgb(browser));
    }
}
