// The vertices of path data read as the path reader reads it: every vertex
// lies on what is drawn, however the data is written.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "geometry/path_parser.h"
#include "geometry/path_vertices.h"

namespace {

// "x,y@degrees" per vertex, S and E marking the first and last.
std::string VerticesOf(const std::string& data) {
    std::string text;
    vx::ListPathVertices(data, [&text](const vx::CPathVertex& v, bool first, bool last) {
        char item[80];
        std::snprintf(item, sizeof item, "%s%s%g,%g@%g%s", text.empty() ? "" : " ", first ? "S" : "",
                      v.x, v.y, std::round(vx::VertexAngle(v) * 180 / M_PI * 10) / 10 + 0.0,
                      last ? "E" : "");
        text += item;
    });
    return text;
}

TEST(PathVertices, EveryVertexWhereTheReaderPutsIt) {
    const struct {
        const char* data;
        const char* vertices;
    } cases[] = {
        {"M0 0 L10 0 10 10", "S0,0@0 10,0@45 10,10@90E"},
        {"M0 0 H10 V10 Z", "S0,0@0 10,0@45 10,10@157.5 0,0@-67.5E"},
        {"M0 0 h10 v10 z m5 5 h1", "S0,0@0 10,0@45 10,10@157.5 0,0@-67.5 5,5@0 6,5@0E"},
        {"M0 0 L10 0 Z M5 5 L5 6", "S0,0@0 10,0@90 0,0@90 5,5@90 5,6@90E"},
        {"M0 0 C0 10 10 10 10 0 S20 -10 20 0", "S0,0@90 10,0@-90 20,0@90E"},
        {"M0 0 S5 5 10 0", "S0,0@45 10,0@-45E"},
        {"M0 0 T10 0 L10 10", "S0,0@0 10,0@45 10,10@90E"},  // a T without a Q is a line
        {"M0 0 H10 V10 Z l0 5", "S0,0@0 10,0@45 10,10@157.5 0,0@-67.5 0,0@90 0,5@90E"},
        {"M0 0 Q5 5 10 0 T20 0", "S0,0@45 10,0@-45 20,0@45E"},
        {"M0 0 A5 5 0 0 0 10 0", "S0,0@90 10,0@-90E"},
        {"L5 0 L5 5", "S5,0@90 5,5@90E"},
        {"M3 4", "S3,4@0E"},
        {"M0 0 C1 1 2 2", "S0,0@0E"},
    };
    for (const auto& c : cases) EXPECT_EQ(VerticesOf(c.data), c.vertices) << c.data;
}

// A turned, squeezed arc leaves and arrives along the curve the path reader
// draws: its first and last chords, flattened finely, point the same way.
TEST(PathVertices, ArcEndsFollowTheDrawnCurve) {
    for (const char* data : {"M0 0 A10 5 30 0 1 20 0", "M0 0 A10 5 -60 1 0 12 9"}) {
        vx::CPathReaderState state;
        state.StartDocument(1 << 20, 1 << 20);
        state.tolerance = 1e-4;
        state.svgPathRules = true;
        std::vector<CPointData> points;
        int drawn = 0;
        vx::CollectPathPoints(state, data, points, drawn);
        // The moveto point and the arc's own start point coincide.
        points.erase(points.begin());
        ASSERT_GE(points.size(), 3u) << data;
        const size_t n = points.size();
        const double first = std::atan2(points[1].y - points[0].y, points[1].x - points[0].x);
        const double last = std::atan2(points[n - 1].y - points[n - 2].y, points[n - 1].x - points[n - 2].x);
        std::vector<double> angles;
        vx::ListPathVertices(data, [&angles](const vx::CPathVertex& v, bool, bool) {
            angles.push_back(vx::VertexAngle(v));
        });
        ASSERT_EQ(angles.size(), 2u) << data;
        EXPECT_NEAR(std::remainder(angles[0] - first, 2 * M_PI), 0, 0.02) << data;
        EXPECT_NEAR(std::remainder(angles[1] - last, 2 * M_PI), 0, 0.02) << data;
    }
}

// Every vertex is a point the browser reading draws: the vertices and the drawing read the same segments, after closepaths and
// smooth curves too, and even for data that begins without a moveto.
TEST(PathVertices, EveryVertexIsADrawnPoint) {
    for (const char* data : {"M0 0 C0 10 10 10 10 0 z s10 10 10 0", "M0 0 Q5 5 10 0 t10 0 z t5 5",
                             "M0 0 h10 v10 z m5 5 h1 z l2 2", "M1 1 A4 2 30 0 1 9 3 z a1 1 0 0 1 2 0",
                             "Q5 5 10 0 z l5 5", "C0 10 10 10 10 0 Z s5 5 5 0"}) {
        vx::CPathReaderState state;
        state.StartDocument(1 << 20, 1 << 20);
        state.tolerance = 0.01;
        state.svgPathRules = true;
        std::vector<CPointData> points;
        int drawn = 0;
        vx::CollectPathPoints(state, data, points, drawn);
        vx::ListPathVertices(data, [&](const vx::CPathVertex& v, bool, bool) {
            const auto here = [&v](const CPointData& p) { return p.x == v.x && p.y == v.y; };
            EXPECT_TRUE(std::any_of(points.begin(), points.end(), here))
                << data << ": " << v.x << "," << v.y << " is not drawn";
        });
    }
}

}  // namespace
