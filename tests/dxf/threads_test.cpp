#include <gtest/gtest.h>

#include <string>

#include "convert/svg_converter.h"
#include "tests/support/convert_fixture.h"

namespace {

// Layers of filled and dashed paths with every kind of segment, shapes and
// texts beyond ASCII: some megabytes of DXF, so that many blocks cross threads.
std::string GeneratedDrawing(int figures) {
    std::string svg = "<svg xmlns='http://www.w3.org/2000/svg' width='800' height='600'>\n";
    for (int i = 0; i < figures; ++i) {
        const std::string x = std::to_string(i % 97 * 7.25), y = std::to_string(i % 89 * 5.5);
        if (i % 10 == 0) {
            if (i > 0) svg += "</g>\n";
            svg += "<g id='layer " + std::to_string(i / 10 % 7) + "' transform='rotate(" +
                   std::to_string(i % 13) + ") scale(1.5)'>\n";
        }
        svg += "<path style='stroke:#c03;fill:#9cf;stroke-dasharray:4 2' d='M" + x + "," + y +
               " c5,-7 12,3 15,9 s8,4 10,-2 a6,4 30 1,0 8,5 q3,3 6,0 t5,1 l4-3 h-6 v7 z'/>\n";
        svg += "<rect x='" + x + "' y='" + y + "' width='9' height='4' rx='1.5' fill='none' "
               "stroke='blue'/><circle cx='" + y + "' cy='" + x + "' r='3.25'/>\n";
        if (i % 25 == 0) svg += "<text x='" + x + "' y='" + y + "'>Caf\xC3\xA9 " + x + "</text>\n";
    }
    return svg + "</g></svg>\n";
}

}  // namespace

TEST(Threads, OneAndTwoThreadsWriteTheSameBytes) {
    const std::string svg = GeneratedDrawing(400);
    std::string dxf[2];
    for (int threads : {1, 2}) {
        CSvgConverter converter;
        CConvertOptions chosen = converter.Options();
        chosen.threads = threads;
        converter.SetOptions(chosen);
        dxf[threads - 1] = vxtest::ConvertSvg(converter, svg, "threads-" + std::to_string(threads));
    }
    ASSERT_GT(dxf[0].size(), 3 * CDxfWriter::kBlockSize);
    EXPECT_TRUE(dxf[0] == dxf[1]);
}
