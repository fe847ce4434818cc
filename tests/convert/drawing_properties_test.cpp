// Random drawings in both readings and every fill mode: what any DXF reader
// relies on holds whatever the drawing. Every entity lies inside the header's
// extents, every real is finite, and every hatch loop closes; dxf_audit_all
// checks the same files for zero-length segments and dangling references.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>

#include "tests/support/convert_fixture.h"
#include "tests/support/dxf_groups.h"

using vxtest::Entity;

namespace {

class CRandomDrawing {
public:
    explicit CRandomDrawing(unsigned seed) : m_random(seed) {}

    std::string Svg() {
        m_svg.str("");
        m_svg << "<svg xmlns='http://www.w3.org/2000/svg' width='" << Number(50, 800) << "' height='"
              << Number(50, 800) << "'>";
        for (int i = Int(3, 12); i > 0; --i) Element(2);
        m_svg << "</svg>";
        return m_svg.str();
    }

private:
    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    double Number(double low, double high) {
        return std::round(std::uniform_real_distribution<double>(low, high)(m_random) * 10) / 10;
    }
    const char* Pick(std::initializer_list<const char*> texts) {
        return texts.begin()[Int(0, int(texts.size()) - 1)];
    }
    std::string Point() {
        return std::to_string(Number(-50, 500)) + "," + std::to_string(Number(-50, 500));
    }
    std::string Paint() {
        std::ostringstream paint;
        paint << " fill='" << Pick({"none", "red", "#000", "#fff", "#1e90ff", "#ce0000"})
              << "' stroke='" << Pick({"none", "black", "green", "#777"}) << "' stroke-width='"
              << Pick({"0", "1", "3"}) << "'";
        if (Int(0, 4) == 0) paint << " stroke-dasharray='" << Pick({"6 3", "2,2", "10 2 2 2"}) << "'";
        if (Int(0, 3) == 0)
            paint << " transform='" << Pick({"translate(20,5)", "scale(1.5)", "rotate(30)",
                                             "matrix(1 0.2 0 1 5 5)", "skewX(10)"}) << "'";
        return paint.str();
    }
    std::string PathData() {
        std::string d = "M" + Point();
        for (int i = Int(1, 6); i > 0; --i) {
            switch (Int(0, 5)) {
                case 0: d += " L" + Point(); break;
                case 1: d += " C" + Point() + " " + Point() + " " + Point(); break;
                case 2: d += " Q" + Point() + " " + Point(); break;
                case 3: d += " S" + Point() + " " + Point(); break;
                case 4: d += " A30,20 " + std::to_string(Int(0, 90)) + " 0,1 " + Point(); break;
                default: d += " L" + Point() + " L" + Point(); break;  // a repeated point too
            }
        }
        return Int(0, 1) ? d + " Z" : d;
    }
    void Element(int depth) {
        switch (Int(0, depth > 0 ? 8 : 7)) {
            case 0:
                m_svg << "<rect x='" << Number(-20, 300) << "' y='" << Number(-20, 300) << "' width='"
                      << Number(0, 200) << "' height='" << Number(0, 200) << "' rx='" << Number(0, 20)
                      << "'" << Paint() << "/>";
                break;
            case 1:
                m_svg << "<circle cx='" << Number(0, 400) << "' cy='" << Number(0, 400) << "' r='"
                      << Number(0, 80) << "'" << Paint() << "/>";
                break;
            case 2:
                m_svg << "<ellipse cx='" << Number(0, 400) << "' cy='" << Number(0, 400) << "' rx='"
                      << Number(0, 80) << "' ry='" << Number(0, 80) << "'" << Paint() << "/>";
                break;
            case 3:
                m_svg << "<line x1='" << Number(0, 400) << "' y1='" << Number(0, 400) << "' x2='"
                      << Number(0, 400) << "' y2='" << Number(0, 400) << "'" << Paint() << "/>";
                break;
            case 4:
                m_svg << "<" << Pick({"polyline", "polygon"}) << " points='" << Point() << " " << Point()
                      << " " << Point() << "'" << Paint() << "/>";
                break;
            case 5:
            case 6: m_svg << "<path d='" << PathData() << "'" << Paint() << "/>"; break;
            case 7:
                m_svg << "<text x='" << Number(0, 400) << "' y='" << Number(0, 400) << "' font-size='"
                      << Number(4, 40) << "'" << Paint() << ">Ab 12</text>";
                break;
            default:
                m_svg << "<g id='g" << Int(0, 3) << "'" << Paint() << ">";
                for (int i = Int(1, 4); i > 0; --i) Element(depth - 1);
                m_svg << "</g>";
        }
    }

    std::mt19937 m_random;
    std::ostringstream m_svg;
};

struct CBox {
    double minX, minY, maxX, maxY;
    bool Holds(double x, double y) const {
        const double slack = 1e-6 * (1 + std::fabs(maxX - minX) + std::fabs(maxY - minY));
        return x >= minX - slack && x <= maxX + slack && y >= minY - slack && y <= maxY + slack;
    }
};

CBox HeaderExtents(const std::string& dxf) {
    const std::vector<vxtest::Group> groups = vxtest::ParseGroups(dxf);
    CBox box{0, 0, 0, 0};
    for (size_t i = 0; i + 2 < groups.size(); ++i) {
        if (groups[i].code != 9 || groups[i].value.rfind("$EXT", 0) != 0) continue;
        const double x = std::stod(groups[i + 1].value), y = std::stod(groups[i + 2].value);
        if (groups[i].value == "$EXTMIN") box.minX = x, box.minY = y;
        if (groups[i].value == "$EXTMAX") box.maxX = x, box.maxY = y;
    }
    return box;
}

// The points of an entity that must lie inside the extents: vertices, ends,
// and points along circles and ellipses.
std::vector<std::pair<double, double>> PointsOn(const Entity& e) {
    std::vector<std::pair<double, double>> points;
    const std::vector<double> xs = e.Reals(10), ys = e.Reals(20);
    if (e.type == "LWPOLYLINE" || e.type == "LINE" || e.type == "TEXT" || e.type == "HATCH") {
        for (size_t i = 0; i < xs.size() && i < ys.size(); ++i)
            if (e.type != "HATCH" || i > 0) points.emplace_back(xs[i], ys[i]);  // HATCH's first: its elevation
        if (e.type == "LINE") points.emplace_back(e.Real(11), e.Real(21));
        // A bulged segment's arc reaches furthest from its chord at its middle.
        const std::vector<double> bulges = e.Reals(42);
        if (e.type == "LWPOLYLINE" && bulges.size() == xs.size()) {
            for (size_t i = 0; i < xs.size(); ++i) {
                const size_t j = (i + 1) % xs.size();
                const double dx = xs[j] - xs[i], dy = ys[j] - ys[i];
                points.emplace_back((xs[i] + xs[j]) / 2 + dy * bulges[i] / 2,
                                    (ys[i] + ys[j]) / 2 - dx * bulges[i] / 2);
            }
        }
    } else if (e.type == "CIRCLE") {
        for (int quarter = 0; quarter < 4; ++quarter)
            points.emplace_back(e.Real(10) + e.Real(40) * std::cos(quarter * M_PI / 2),
                                e.Real(20) + e.Real(40) * std::sin(quarter * M_PI / 2));
    } else if (e.type == "ELLIPSE") {
        const double mx = e.Real(11), my = e.Real(21), ratio = e.Real(40);
        const double start = e.Real(41), end = e.Real(42) > start ? e.Real(42) : e.Real(42) + 2 * M_PI;
        for (int i = 0; i <= 16; ++i) {
            const double t = start + (end - start) * i / 16;
            points.emplace_back(e.Real(10) + mx * std::cos(t) - my * ratio * std::sin(t),
                                e.Real(20) + my * std::cos(t) + mx * ratio * std::sin(t));
        }
    }
    return points;
}

// Each boundary loop of straight edges ends where it began, edge to edge.
void ExpectClosedLoops(const Entity& hatch) {
    const std::vector<double> xs = hatch.Reals(10), ys = hatch.Reals(20);
    const std::vector<double> ends_x = hatch.Reals(11), ends_y = hatch.Reals(21);
    const std::vector<std::string> types = hatch.Strs(72);
    const bool allLines = std::all_of(types.begin(), types.end(), [](auto& t) { return t == "1"; });
    if (!allLines || hatch.Int(91) != 1) return;  // one loop of lines: its edges follow each other
    ASSERT_EQ(xs.size(), ends_x.size() + 1);  // the first 10/20 pair is the elevation point
    for (size_t i = 0; i < ends_x.size(); ++i) {
        const size_t next = i + 1 < ends_x.size() ? i + 2 : 1;
        EXPECT_EQ(ends_x[i], xs[next]);
        EXPECT_EQ(ends_y[i], ys[next]);
    }
}

}  // namespace

TEST(DrawingProperties, RandomDrawingsHoldWhatReadersRelyOn) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
        const std::string svg = CRandomDrawing(seed).Svg();
        for (SvgRules rules : {SvgRules::Classic, SvgRules::Browser}) {
            for (int fill : {kFillHatch, kFillBoth}) {
                SCOPED_TRACE(svg);
                CSvgConverter converter;
                CConvertOptions chosen = converter.Options();
                chosen.svgRules = rules;
                chosen.fillOption = fill;
                converter.SetOptions(chosen);
                const std::string dxf = vxtest::ConvertSvg(
                    converter, svg, "seed" + std::to_string(seed) + "-" + std::to_string(int(rules)) +
                                        "-" + std::to_string(fill));
                ASSERT_FALSE(dxf.empty());
                vxtest::ExpectOnlyFiniteReals(converter);
                const std::vector<Entity> entities = vxtest::EntitiesOf(dxf);
                if (entities.empty()) continue;
                const CBox box = HeaderExtents(dxf);
                for (const Entity& e : entities) {
                    for (const auto& [x, y] : PointsOn(e))
                        EXPECT_TRUE(box.Holds(x, y)) << e.type << " at " << x << ", " << y;
                    if (e.type == "HATCH") ExpectClosedLoops(e);
                }
            }
        }
    }
}
