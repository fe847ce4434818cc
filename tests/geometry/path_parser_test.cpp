#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "geometry/flatten.h"
#include "geometry/path_numbers.h"
#include "geometry/path_parser.h"
#include "geometry/path_segments.h"
#include "tests/support/path_reading.h"

namespace {

using vxtest::Coordinates;
using vxtest::Parse;
using vxtest::Parsed;
using vxtest::ReaderValues;
using vxtest::XY;

// Remembers every list a moveto hands over, and takes those of at least
// minimum points, as the fill sink takes only subpaths that are more than a point.
class RecordingSubpaths : public vx::ISubpathSink {
public:
    explicit RecordingSubpaths(size_t minimum = 0) : m_minimum(minimum) {}
    void SubpathEnded(std::vector<CPointData>& points) override {
        handed.push_back(Coordinates(points));
        closed.push_back(!points.empty() && points.back().closed);
        if (onEnd) onEnd();
        if (points.size() >= m_minimum) points.clear();
    }
    std::vector<XY> handed;
    std::vector<bool> closed;
    std::function<void()> onEnd;

private:
    size_t m_minimum;
};

XY CubicPoints(double x0, double y0, double x1, double y1, double x2, double y2, double x3,
               double y3) {
    std::vector<CPointData> points;
    int drawn = 0;
    vx::AppendCubic(x0, y0, x1, y1, x2, y2, x3, y3, points, drawn);
    return Coordinates(points);
}

// The segments of data as text: "M" a moveto ("zM" one that ends a closed
// subpath, "+M" one that starts a subpath a closepath has ended), "L" and "A"
// their ends, "C" and "Q" their controls and end ("C!" a C right after a
// moveto), "Z" the point a closepath returns to. Every segment must start
// where the one before it ended (the first at 0, 0).
class SegmentText : public vx::IPathSegmentSink {
public:
    void Take(const vx::CPathSegment& s) override {
        EXPECT_EQ(std::make_pair(s.x0, s.y0), m_last) << text;
        if (!text.empty()) text += ' ';
        using Kind = vx::SegmentKind;
        switch (s.kind) {
            case Kind::Move: text += s.endsSubpath ? (s.closed ? "zM" : "M") : "+M"; break;
            case Kind::Line: text += "L"; break;
            case Kind::Cubic: text += s.cubicAfterMoveto ? "C!" : "C"; break;
            case Kind::Quadratic: text += "Q"; break;
            case Kind::Arc: text += "A"; break;
            case Kind::Close: text += "Z"; break;
        }
        if (s.kind == Kind::Cubic || s.kind == Kind::Quadratic) Point(s.x1, s.y1) += ' ';
        if (s.kind == Kind::Cubic) Point(s.x2, s.y2) += ' ';
        Point(s.x, s.y);
        m_last = {s.x, s.y};
    }
    std::string text;

private:
    std::string& Point(double x, double y) {
        char item[64];
        std::snprintf(item, sizeof item, "%g,%g", x, y);
        return text += item;
    }
    std::pair<double, double> m_last;
};

TEST(PathNumbers, SeparatorsSignsAndExponents) {
    EXPECT_EQ(Parse("M10 20 30 40").xy, (XY{{10, 20}, {30, 40}}));
    EXPECT_EQ(Parse("M10,20,30,40").xy, (XY{{10, 20}, {30, 40}}));
    EXPECT_EQ(Parse("M0 0L10-20").xy, (XY{{0, 0}, {10, -20}}));
    EXPECT_EQ(Parse("M0 0L1e-3,2").xy, (XY{{0, 0}, {0.001, 2}}));
    // An upper-case exponent belongs to its number, "+" is a sign.
    EXPECT_EQ(Parse("M0 0L1E5 2").xy, (XY{{0, 0}, {100000, 2}}));
    EXPECT_EQ(Parse("M0 0L1+2").xy, (XY{{0, 0}, {1, 2}}));
    EXPECT_EQ(Parse("M0 0L1e+2-3E-1").xy, (XY{{0, 0}, {100, -0.3}}));
    EXPECT_EQ(Parse("M0 0L1 2+3+4").xy, (XY{{0, 0}, {1, 2}, {3, 4}}));
    // Packed numbers: a second point or a sign after a digit starts the next
    // number; a sign after an exponent letter does not.
    EXPECT_EQ(Parse("M.5.5 1").xy, (XY{{0.5, 0.5}, {1, 0}}));
    EXPECT_EQ(Parse("M1.5.5").xy, (XY{{1.5, 0.5}}));
    EXPECT_EQ(Parse("M.5.5.25.75").xy, (XY{{0.5, 0.5}, {0.25, 0.75}}));
    EXPECT_EQ(Parse("m.5.5.5.5").xy, (XY{{0.5, 0.5}, {1, 1}}));
    EXPECT_EQ(Parse("M0 0L1.5-2.5.5").xy, (XY{{0, 0}, {1.5, -2.5}, {0.5, 0}}));
    EXPECT_EQ(Parse("M0 0L1e-2.5 1E+1.5").xy, (XY{{0, 0}, {0.01, 0.5}, {10, 0.5}}));
    EXPECT_EQ(Parse("M1e+ 5").xy, (XY{{1, 5}}));  // an exponent's sign starts no number
    EXPECT_EQ(Parse("M0 0H1.5.5V-.5.5").xy,
              (XY{{0, 0}, {1.5, 0}, {0.5, 0}, {0.5, -0.5}, {0.5, 0.5}}));
    EXPECT_EQ(Parse("M0 0c.5.5.5.5.5.5").xy, Parse("M0 0c0.5 0.5 0.5 0.5 0.5 0.5").xy);
    EXPECT_EQ(Parse("M0 0q1.5.5.5.5t1.5.5").xy, Parse("M0 0q1.5 .5 .5 .5t1.5 .5").xy);
    // Tiny numbers read as 0, so the point stays in its path.
    const std::string tiny = "0." + std::string(330, '0') + "1";
    EXPECT_EQ(Parse("M1e-400 5L" + tiny + " 7").xy, (XY{{0, 5}, {0, 7}}));
}

TEST(PathNumbers, ArcFlagsAreSingleCharacters) {
    struct Case { const char* args; bool ok, large, sweep; double x, y; };
    const Case cases[] = {
        {"1 1 0 011 1", true, false, true, 1, 1},
        {"1 1 0 1 1 5 5", true, true, true, 5, 5},
        {"1,1,0,1,1,5,5", true, true, true, 5, 5},
        {"1 1 0 10-5.5.5", true, true, false, -5.5, 0.5},
        {"1 1 0 00.5.5", true, false, false, 0.5, 0.5},
        {"1 1 0 1,0,2,3", true, true, false, 2, 3},
        // Any other flag keeps the old rule: set when its whole value is above 0.
        {"1 1 0 2 -1 5 5", true, true, false, 5, 5},
        {"1 1 0 -99999999999 .5e3 5 5", true, false, false, 5, 5},
        {"1 1 0 01 5", false, false, false, 0, 0},
    };
    for (const Case& c : cases) {
        vx::CArcArguments arc;
        int pending = 0;
        ASSERT_EQ(vx::ParseArcArguments(c.args, arc, pending), c.ok) << c.args;
        if (!c.ok) continue;
        EXPECT_EQ(arc.rx, 1) << c.args;
        EXPECT_EQ(std::make_tuple(arc.largeArc, arc.sweep, arc.x, arc.y),
                  std::make_tuple(c.large, c.sweep, c.x, c.y)) << c.args;
    }
    // Packed flags in repeated arcs and before a closepath cut like separated ones.
    EXPECT_EQ(Parse("M0 0a1 1 0 011 1 1 1 0 001 2").xy,
              Parse("M0 0a1 1 0 0 1 1 1 1 1 0 0 0 1 2").xy);
    EXPECT_EQ(Parse("M0 0a1 1 0 011 1z").xy, Parse("M0 0a1 1 0 0 1 1 1z").xy);
    EXPECT_EQ(Parse("M0 0a1 1 0 011 1z").closePending, 1);
}

TEST(PathNumbers, TabsAndLineEndsSeparateLikeSpaces) {
    EXPECT_EQ(Parse("M0\t0\r\nL10\t-20\r\n-5\t7").xy, (XY{{0, 0}, {10, -20}, {-5, 7}}));
    EXPECT_EQ(Parse("M0,0\n\tL\t5\r\n-6\r\nz").xy, (XY{{0, 0}, {5, -6}}));
    EXPECT_EQ(Parse("M1\r\n-2\tC\t0\r\n-1\t2\t-3\r\n4\t-5").points.size(),
              Parse("M1 -2 C0 -1 2 -3 4 -5").points.size());
}

TEST(PathNumbers, BoundaryAfterNumbersAndClosepaths) {
    int pending = 0;
    EXPECT_EQ(vx::FindNumbersEnd("1 2 3", 2, pending), 3);
    EXPECT_EQ(pending, 0);
    EXPECT_EQ(vx::FindNumbersEnd("10 10 z m5", 2, pending), 6);  // rest begins with the z
    EXPECT_EQ(pending, 1);
    pending = 0;
    EXPECT_EQ(vx::FindNumbersEnd("10z", 6, pending), -1);
    EXPECT_EQ(vx::FindNumbersEnd("10 10z", 6, pending), -2);
    EXPECT_EQ(vx::FindNumbersEnd("1 2 3z", 6, pending), -3);
    EXPECT_EQ(vx::FindNumbersEnd("1 2", 6, pending), 3);
    EXPECT_EQ(pending, 1);
    EXPECT_EQ(vx::FindNumbersEnd(".5.5.5", 2, pending), 4);  // rest begins with the point
    EXPECT_EQ(vx::FindNumbersEnd("1 1 0 011 2 3", 7, pending, vx::kArcFlags), 11);
    EXPECT_EQ(vx::FindNumbersEnd("1 1 0 011 2 3", 7, pending), 13);  // no flags: 011 is one
}

// Each rule set's reading, segment by segment: relative commands made
// absolute, the smooth curves' first control points, closepaths, and where
// data without a moveto starts its subpath (a line's end, a curve's start).
TEST(PathSegments, EachReadingHandsAbsoluteSegments) {
    const struct {
        const char* data;
        bool svg;
        const char* segments;
    } cases[] = {
        {"M1 2 l3 4 h1 v-1 H0 V0", false, "M1,2 L4,6 L5,6 L5,5 L0,5 L0,0"},
        {"m1 1 2 2", false, "M1,1 L3,3"},
        {"M5 5 a5 5 0 0 1 10 0", false, "M5,5 A15,5"},
        {"M0 0 C0 10 8 12 10 0 s10 -10 10 0", false,
         "M0,0 C!0,10 8,12 10,0 C12,-12 20,-10 20,0"},
        {"M0 0 S5 5 10 0", false, "M0,0 C5,5 5,5 10,0"},
        {"M0 0 S5 5 10 0", true, "M0,0 C0,0 5,5 10,0"},
        {"M0 0 T10 10 l1 1", false, "M0,0 L1,1"},
        {"M0 0 T10 10 l1 1", true, "M0,0 Q0,0 10,10 L11,11"},
        {"M0 0 Q5 5 10 0 t10 0", false, "M0,0 Q5,5 10,0 Q15,-5 20,0"},
        {"M0 0 L10 0 L10 10 z l5 5", false, "M0,0 L10,0 L10,10 L15,15"},
        {"M0 0 L10 0 L10 10 z l5 5", true, "M0,0 L10,0 L10,10 Z0,0 +M0,0 L5,5"},
        {"M0 0 L10 0 z m5 5 l1 0 M9 9", false, "M0,0 L10,0 zM5,5 L6,5 M9,9"},
        {"M0 0 L10 0 z m5 5 l1 0", true, "M0,0 L10,0 Z0,0 +M5,5 L6,5"},
        // A smooth curve after a closepath reflects the curve before it.
        {"M0 0 C0 10 10 10 10 0 z s10 10 10 0", false,
         "M0,0 C!0,10 10,10 10,0 C10,-10 20,10 20,0"},
        {"M0 0 C0 10 10 10 10 0 z s10 10 10 0", true,
         "M0,0 C!0,10 10,10 10,0 Z0,0 +M0,0 C-10,-10 10,10 10,0"},
        {"L5 0 z m1 1", false, "L5,0 zM6,1"},
        {"Q5 5 10 0 z m1 1", false, "Q5,5 10,0 zM1,1"},
        {"Q5 5 10 0 z l1 1", true, "Q5,5 10,0 Z0,0 +M0,0 L1,1"},
    };
    for (const auto& c : cases) {
        ReaderValues values;
        values.svgPathRules = c.svg;
        SegmentText segments;
        vx::ReadPathSegments(values.State(), c.data, segments);
        EXPECT_EQ(segments.text, c.segments) << c.data << (c.svg ? " (SVG's rules)" : "");
    }
}

TEST(PathParser, ImplicitRepeatsAndRelativeCommands) {
    EXPECT_EQ(Parse("M0 0 L1 1 2 2 3 3").xy, (XY{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
    EXPECT_EQ(Parse("m1 1 2 2 l1 0 0 1").xy, (XY{{1, 1}, {3, 3}, {4, 3}, {4, 4}}));
    EXPECT_EQ(Parse("M1 2 H5 h1 V7 v-1").xy, (XY{{1, 2}, {5, 2}, {6, 2}, {6, 7}, {6, 6}}));
    const Parsed drawn = Parse("M0 0 L1 1 M5 5 L6 6 H7 m1 1");
    EXPECT_EQ(drawn.drawn, 3);  // moveto points are not counted
    EXPECT_EQ(drawn.points.size(), 6u);
}

TEST(PathParser, SmoothCurvesReflectTheStoredControlPoint) {
    ReaderValues values;
    const Parsed q = Parse(values, "M0 0 Q5 5 10 0 T20 0");
    EXPECT_EQ(q.points.size(), 13u);
    EXPECT_DOUBLE_EQ(values.lastControlX, 15);
    EXPECT_DOUBLE_EQ(values.lastControlY, -5);
    EXPECT_NEAR(q.xy.back().first, 20, 1e-5);
    // A T after anything but a quadratic draws nothing and keeps the current point.
    EXPECT_EQ(Parse("M0 0 T10 10 l1 1").xy, (XY{{0, 0}, {1, 1}}));

    XY smooth{{0, 0}};
    const XY same = CubicPoints(0, 0, 5, 5, 5, 5, 10, 0);
    smooth.insert(smooth.end(), same.begin(), same.end());
    EXPECT_EQ(Parse("M0 0 S5 5 10 0").xy, smooth);
    // After a C the S reflects the C's second control point (8, 12) about (10, 0);
    // the C drops the moveto point because its first piece starts there again.
    XY afterCubic = CubicPoints(0, 0, 0, 10, 8, 12, 10, 0);
    const XY reflected = CubicPoints(10, 0, 12, -12, 20, -10, 20, 0);
    afterCubic.insert(afterCubic.end(), reflected.begin(), reflected.end());
    EXPECT_EQ(Parse("M0 0 C0 10 8 12 10 0 S20 -10 20 0").xy, afterCubic);

    // SVG's rule, for the browser reading: without a curve of their kind
    // before them, S and T start from the current point; a T is then a line.
    ReaderValues svg;
    svg.svgPathRules = true;
    XY fromCurrent{{0, 0}};
    const XY current = CubicPoints(0, 0, 0, 0, 5, 5, 10, 0);
    fromCurrent.insert(fromCurrent.end(), current.begin(), current.end());
    EXPECT_EQ(Parse(svg, "M0 0 S5 5 10 0").xy, fromCurrent);
    const XY line = Parse(svg, "M0 0 T10 10 l1 1").xy;
    for (const auto& [x, y] : line) EXPECT_NEAR(x, y, 1e-9);
    EXPECT_EQ(line.back(), (std::pair<double, double>{11, 11}));
    // After a closepath a segment starts a new subpath where the closed one began.
    const Parsed closed = Parse(svg, "M0 0 L10 0 L10 10 z l5 5");
    EXPECT_EQ(closed.xy, (XY{{0, 0}, {10, 0}, {10, 10}, {0, 0}, {5, 5}}));
    EXPECT_TRUE(closed.points[2].closed && closed.points[2].subpathEnd);
    EXPECT_EQ(Parse("M0 0 L10 0 L10 10 z l5 5").xy.back(), (std::pair<double, double>{15, 15}));
}

TEST(PathParser, ArcFlagsPickTheFourCentres) {
    struct Case { bool large, sweep; double cy, sweepDegrees; };
    const Case cases[] = {{false, false, -8.660254, -60}, {true, false, 8.660254, -300},
                          {false, true, 8.660254, 60}, {true, true, -8.660254, 300}};
    for (const Case& c : cases) {
        const vx::CArcCentre arc = vx::ArcToCenter(0, 0, 10, 10, 0, c.large, c.sweep, 10, 0);
        EXPECT_EQ(arc.code, 0);
        EXPECT_NEAR(arc.cx, 5, 1e-6);
        EXPECT_NEAR(arc.cy, c.cy, 1e-6);
        EXPECT_NEAR(arc.sweepDegrees, c.sweepDegrees, 1e-6);
    }
    const Parsed parsed = Parse("M0 0 A10 10 0 1 1 10 0");
    EXPECT_EQ(parsed.points.size(), 22u);  // the moveto, 20 samples, the end point
    EXPECT_EQ(parsed.drawn, 21);
    EXPECT_NEAR(parsed.xy[1].first, 0, 1e-9);
    EXPECT_EQ(parsed.xy.back(), (std::pair<double, double>(10, 0)));
    // Only a flag above zero is set.
    EXPECT_EQ(Parse("M0 0 A10 10 0 -1 -1 10 0").xy, Parse("M0 0 A10 10 0 0 0 10 0").xy);
}

TEST(PathParser, ArcRadiiTooSmallZeroOrWithoutLength) {
    // Radii scaled up by the square root of lambda: the half circle about (5, 0).
    const Parsed half = Parse("M0 0 A1 1 0 0 1 10 0");
    ASSERT_EQ(half.points.size(), 22u);
    for (const auto& [x, y] : half.xy) EXPECT_NEAR(std::hypot(x - 5, y), 5, 1e-9);
    EXPECT_NEAR(half.xy[11].second, -5, 1e-9);  // the middle sample, sweep positive
    EXPECT_EQ(Parse("M0 0 A0 5 0 0 1 10 0").xy, (XY{{0, 0}, {10, 0}}));
    EXPECT_EQ(Parse("M5 5 A5 5 0 0 1 5 5").xy, (XY{{5, 5}, {5, 5}}));
    EXPECT_EQ(vx::ArcToCenter(0, 0, 0, 5, 0, false, true, 10, 0).code, 2);
    EXPECT_EQ(vx::ArcToCenter(5, 5, 5, 5, 0, false, true, 5, 5).code, 1);
}

TEST(PathParser, Closepaths) {
    const Parsed two = Parse("M0 0 L10 0 L10 10 z m5 5 L20 20");
    EXPECT_EQ(two.xy, (XY{{0, 0}, {10, 0}, {10, 10}, {5, 5}, {20, 20}}));
    EXPECT_EQ(two.points[2].closed, 1);
    EXPECT_EQ(two.points[2].subpathEnd, 1);
    EXPECT_EQ(two.points[4].subpathEnd, 0);
    EXPECT_EQ(two.closePending, 0);
    // Without a closepath a relative moveto starts from the last point.
    EXPECT_EQ(Parse("M0 0 L10 0 L10 10 m5 5").xy.back(), (std::pair<double, double>(15, 15)));
    for (const char* d : {"M0 0 L9 9 Z M5 5 L1 1", "M0 0 L9 9 z M5 5 L1 1", "M0 0 L9 9Z M5 5 L1 1"}) {
        const Parsed p = Parse(d);
        EXPECT_EQ(p.xy, (XY{{0, 0}, {9, 9}, {5, 5}, {1, 1}})) << d;
        EXPECT_EQ(p.points[1].closed, 1) << d;
    }
    for (const char* d : {"M0 0 L10 0 L10 10 z", "M0 0 L10 0 L10 10 Z", "M0 0 L10 0 L10 10Z"})
        EXPECT_EQ(Parse(d).closePending, 1) << d;
    // A cubic cut short after one pair by a closepath is a line-to that pair.
    const Parsed line = Parse("M0 0 C10 10z");
    EXPECT_EQ(line.xy, (XY{{0, 0}, {10, 10}}));
    EXPECT_EQ(line.closePending, 1);
}

TEST(PathParser, EveryMovetoHandsTheSinkWhatWasRead) {
    ReaderValues values;
    vx::CPathReaderState& state = values.State();
    std::vector<CPointData> points;
    int drawn = 0;
    RecordingSubpaths taken;
    vx::ReadPathData(state, "M0 0 L1 0 z m2 2 l1 0 M9 9 L8 8", points, drawn, taken);
    // The first moveto hands over the empty list; a relative moveto after a
    // closepath starts from the closed subpath's start.
    EXPECT_EQ(taken.handed, (std::vector<XY>{{}, {{0, 0}, {1, 0}}, {{2, 2}, {3, 2}}}));
    EXPECT_EQ(taken.closed, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(Coordinates(points), (XY{{9, 9}, {8, 8}}));  // the last subpath is the caller's
    EXPECT_EQ(drawn, 3);

    // Points a sink leaves are read on into the next subpath.
    points.clear();
    RecordingSubpaths longOnly(2);
    vx::ReadPathData(state, "M0 0 M5 5 L6 6 M7 7", points, drawn, longOnly);
    EXPECT_EQ(longOnly.handed, (std::vector<XY>{{}, {{0, 0}}, {{0, 0}, {5, 5}, {6, 6}}}));
    EXPECT_EQ(Coordinates(points), (XY{{7, 7}}));
}

TEST(PathParser, ASinkReadingWithTheSameStateLeavesItsTraces) {
    // As a marker is read while its path is drawn: the control point and the
    // budget are the marker's afterwards, the previous command the path's.
    ReaderValues values;
    vx::CPathReaderState& state = values.State();
    values.pointsLeft = 1000;
    std::vector<CPointData> points, marker;
    int drawn = 0, markerDrawn = 0;
    RecordingSubpaths sink;
    sink.onEnd = [&] {
        if (!sink.handed.back().empty())
            vx::CollectPathPoints(state, "M0 0 Q7 8 9 9 z", marker, markerDrawn);
    };
    vx::ReadPathData(state, "M0 0 C1 1 2 2 3 3 M9 9 L10 10", points, drawn, sink);
    EXPECT_EQ(markerDrawn, 6);
    EXPECT_EQ(values.pointsLeft, 1000 - drawn - markerDrawn);
    EXPECT_DOUBLE_EQ(values.lastControlX, 7);
    EXPECT_DOUBLE_EQ(values.lastControlY, 8);
    EXPECT_EQ(values.previousCommand, "L");
    EXPECT_EQ(values.closePending, 0);  // the path's moveto ended the marker's closepath too
}

TEST(PathParser, MalformedArgumentsEndSkipOrDefault) {
    EXPECT_EQ(Parse("M0 0 C10 10 20z").xy, (XY{{0, 0}}));
    EXPECT_EQ(Parse("M0 0 L5 5 C1 2 3 4").xy, (XY{{0, 0}, {5, 5}}));
    EXPECT_EQ(Parse("M0 0 L5 5 A1 1 0 0 1 9").xy, (XY{{0, 0}, {5, 5}}));
    // A quadratic with three numbers gets 0 as its last value.
    const Parsed q = Parse("M0 0 Q5 5 10");
    EXPECT_EQ(q.points.size(), 7u);
    EXPECT_NEAR(q.xy.back().first, 10, 1e-5);
    EXPECT_NEAR(q.xy.back().second, 0, 1e-5);
    // Text after the last number, and stray letters, are dropped.
    EXPECT_EQ(Parse("M1 2 L3 4 xyz").xy, (XY{{1, 2}, {3, 4}}));
    EXPECT_EQ(Parse("").points.size(), 0u);
    EXPECT_EQ(Parse("zzz,,,--").points.size(), 0u);
}

TEST(Flatten, CubicQuadraticAndArcCounts) {
    EXPECT_EQ(CubicPoints(0, 0, 10, 0, 20, 0, 30, 0), (XY{{0, 0}, {30, 0}}));
    EXPECT_TRUE(CubicPoints(0, 0, 10, 10, 20, 0, 0, 0).empty());
    std::vector<CPointData> points;
    int drawn = 0;
    vx::AppendQuadratic(points, 0, 0, 5, 10, 10, 0, drawn);
    ASSERT_EQ(points.size(), 6u);
    EXPECT_EQ(drawn, 6);
    EXPECT_EQ(points[0].x, 0);
    EXPECT_NEAR(points[5].x, 10, 1e-5);
    EXPECT_NEAR(points[2].y, float(2 * 0.4f * 0.6f * 10.0f), 1e-6);
    EXPECT_NEAR(points[2].x, 4, 1e-5);  // 2 t u 5 + t^2 10 at t = 0.4
    points.clear();
    vx::AppendArc(0, 0, 5, 5, 30, false, true, 10, 0, points, drawn);
    EXPECT_EQ(points.size(), 21u);
    EXPECT_EQ(drawn, 27);
}

// With a tolerance every chord stays within it of the curve: the middle of
// each chord lies no further than the tolerance from a circle of radius 50.
TEST(Flatten, FineFlatteningKeepsChordsWithinTheTolerance) {
    const double tolerance = 0.01;
    const auto farthestChordMiddle = [](const std::vector<CPointData>& points) {
        double worst = 0;
        for (size_t i = 0; i + 1 < points.size(); ++i) {
            const double mx = (points[i].x + points[i + 1].x) / 2;
            const double my = (points[i].y + points[i + 1].y) / 2;
            worst = std::max(worst, 50 - std::hypot(mx, my));
        }
        return worst;
    };
    std::vector<CPointData> arc, cubic;
    int drawn = 0;
    vx::AppendArc(50, 0, 50, 50, 0, false, true, -50, 0, arc, drawn, tolerance);
    EXPECT_LE(farthestChordMiddle(arc), tolerance);
    EXPECT_GT(arc.size(), 21u);
    EXPECT_EQ(arc.front().x, 50);
    EXPECT_EQ(arc.back().x, -50);
    // A quarter circle as a cubic (control length 0.5523 r): its own error is 0.027%.
    vx::AppendCubic(50, 0, 50, 27.614, 27.614, 50, 0, 50, cubic, drawn, tolerance);
    EXPECT_LE(farthestChordMiddle(cubic), tolerance + 50 * 0.00028);
    EXPECT_EQ(cubic.front().x, 50);
    EXPECT_EQ(cubic.back().y, 50);
    // A quadratic is flattened as the same curve in cubic form.
    std::vector<CPointData> quadratic;
    vx::AppendQuadratic(quadratic, 0, 0, 5, 10, 10, 0, drawn, tolerance);
    EXPECT_GT(quadratic.size(), 6u);
    EXPECT_NEAR(quadratic[quadratic.size() / 2].y, 5, 0.05);
    // An elliptic arc bends most where its larger radius ends: its chords keep
    // to the tolerance there too (half an ellipse 100 by 20 about the origin).
    const auto distanceToEllipse = [](double x, double y, double a, double b) {
        const double near = std::atan2(y * a, x * b);
        double best = HUGE_VAL;
        for (int i = -5000; i <= 5000; ++i) {
            const double t = near + i * 1e-5;
            best = std::min(best, std::hypot(x - a * std::cos(t), y - b * std::sin(t)));
        }
        return best;
    };
    std::vector<CPointData> elliptic;
    vx::AppendArc(50, 0, 50, 10, 0, false, true, -50, 0, elliptic, drawn, tolerance);
    double worst = 0;
    for (size_t i = 0; i + 1 < elliptic.size(); ++i)
        worst = std::max(worst, distanceToEllipse((elliptic[i].x + elliptic[i + 1].x) / 2,
                                                  (elliptic[i].y + elliptic[i + 1].y) / 2, 50, 10));
    EXPECT_LE(worst, tolerance + 1e-9);
}

TEST(Flatten, DepthAndNonFiniteGuards) {
    // Still far from flat at depth 16: every piece there is written as flat.
    EXPECT_EQ(CubicPoints(0, 0, 0, 1e10, 1e10, 1e10, 1e10, 0).size(), size_t(2 << 16));
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(CubicPoints(0, 0, inf, 0, 1, 1, 2, 2).empty());
    EXPECT_TRUE(CubicPoints(0, 0, 1, 1, 2, 2, nan, 3).empty());
    std::vector<CPointData> points;
    int drawn = 0;
    vx::AppendQuadratic(points, 0, 0, 1e39, 0, 1, 1, drawn);  // beyond single precision
    vx::AppendArc(0, 0, inf, 5, 0, false, true, 10, 0, points, drawn);
    vx::AppendArc(0, 0, 1e300, 1e300, 0, false, true, 1e300, -1e300, points, drawn);
    EXPECT_LE(points.size(), 1u);
    for (const CPointData& p : points) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
}

}  // namespace
