// bench-generate_svg: writes a deterministic SVG drawing of about N MB for the benchmarks.
//
//   bench-generate_svg --kind mixed|shapes|paths --size-mb N [--seed S] OUT.svg
//
// The drawing is a sequence of layers (groups with ids and transforms) holding styled paths that
// use every path command, lines, polylines, polygons, rects, circles, ellipses and texts. The same
// arguments always give the same bytes: the generator has its own random source rather than the
// standard distributions, whose results differ between library versions.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr double kWidth = 2000;
constexpr double kHeight = 1500;
constexpr double kReach = 60;
constexpr int kElementsPerLayer = 40;
constexpr size_t kLongPathBytes = 10u * 1024 * 1024;
constexpr size_t kFlushBytes = 1u << 20;

const char* const kDashes[] = {"5,3", "10 4 2 4", "1,2", "8,8"};
const char* const kFonts[] = {"Arial", "Times New Roman", "Courier New"};
const char* const kColors[] = {"#ff0000", "#00aa00", "#0000ff", "#333333", "#ff8800", "teal"};

// splitmix64: tiny, fast and identical everywhere.
class CRandom {
public:
    explicit CRandom(uint64_t seed) : m_state(seed) {}
    uint64_t Next() {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double Real(double low, double high) { return low + (high - low) * (Next() >> 11) * 0x1p-53; }
    int Int(int count) { return int(Next() % uint64_t(count)); }
    template <size_t N>
    const char* Pick(const char* const (&items)[N]) { return items[Int(int(N))]; }

private:
    uint64_t m_state;
};

// Buffers the text and hands it to the file in large blocks.
class COutput {
public:
    explicit COutput(FILE* file) : m_file(file) { m_buffer.reserve(kFlushBytes * 2); }
    ~COutput() { Flush(); }
    COutput& operator<<(const char* text) { return Append(text, std::strlen(text)); }
    COutput& operator<<(const std::string& text) { return Append(text.data(), text.size()); }
    COutput& operator<<(char c) { return Append(&c, 1); }
    COutput& operator<<(int value) { return Number(value, 0); }
    COutput& operator<<(double value) { return Number(value, 2); }
    size_t Written() const { return m_written + m_buffer.size(); }
    void Flush() {
        std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file);
        m_written += m_buffer.size();
        m_buffer.clear();
    }

private:
    COutput& Append(const char* text, size_t length) {
        m_buffer.append(text, length);
        if (m_buffer.size() >= kFlushBytes) Flush();
        return *this;
    }
    COutput& Number(double value, int decimals) {
        char text[32];
        const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed,
                                       decimals).ptr;
        return Append(text, size_t(end - text));
    }

    FILE* m_file;
    std::string m_buffer;
    size_t m_written = 0;
};

struct CSettings {
    std::string kind = "mixed";
    double sizeMb = 1;
    uint64_t seed = 1;
    std::string outPath;
};

class CGenerator {
public:
    CGenerator(const CSettings& settings, COutput& out)
        : m_settings(settings), m_out(out), m_random(settings.seed) {}

    void Write() {
        const size_t target = size_t(m_settings.sizeMb * 1024 * 1024);
        m_out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kWidth << "\" height=\""
              << kHeight << "\" viewBox=\"0 0 " << kWidth << " " << kHeight << "\">\n";
        // The long path gets a layer of its own once the drawing can hold it.
        const bool longPath = m_settings.kind == "paths" && target >= kLongPathBytes * 5 / 4;
        if (longPath) WriteLongPathLayer();
        for (int layer = 0; m_out.Written() + 16 < target; ++layer) WriteLayer(layer);
        m_out << "</svg>\n";
    }

private:
    double X() { return m_random.Real(0, kWidth); }
    double Y() { return m_random.Real(0, kHeight); }
    double Step() { return m_random.Real(-20, 20); }
    // Figures stay within kReach of their anchor, as they do in real drawings: curves as large
    // as the whole sheet would be flattened into far more segments than usual.
    void NewAnchor() { m_anchorX = X(), m_anchorY = Y(); }
    double NearX() { return m_anchorX + m_random.Real(-kReach, kReach); }
    double NearY() { return m_anchorY + m_random.Real(-kReach, kReach); }
    COutput& Point() { return m_out << NearX() << ',' << NearY(); }
    COutput& Delta() { return m_out << Step() << ',' << Step(); }

    void WriteTransform() {
        switch (m_random.Int(3)) {
            case 0: m_out << "translate(" << m_random.Real(-50, 50) << "," << m_random.Real(-50, 50)
                          << ")"; break;
            case 1: m_out << "scale(" << m_random.Real(0.5, 1.5) << ")"; break;
            default: m_out << "matrix(" << m_random.Real(0.8, 1.2) << " 0 0 "
                           << m_random.Real(0.8, 1.2) << " " << m_random.Real(-30, 30) << " "
                           << m_random.Real(-30, 30) << ")"; break;
        }
    }

    void WriteLayer(int layer) {
        m_out << "<g id=\"layer_" << layer << "\" transform=\"";
        WriteTransform();
        m_out << "\">\n";
        for (int i = 0; i < kElementsPerLayer; ++i) {
            // Every eighth element sits in a nested group of its own.
            const bool nested = i % 8 == 7;
            if (nested) {
                m_out << "<g transform=\"";
                WriteTransform();
                m_out << "\">";
            }
            WriteElement();
            if (nested) m_out << "</g>\n";
        }
        m_out << "</g>\n";
    }

    void WriteElement() {
        // Weights per kind: paths, then each of the eight shape kinds.
        const int pathWeight = m_settings.kind == "paths" ? 24 : m_settings.kind == "shapes" ? 1 : 4;
        const int pick = m_random.Int(pathWeight + 8);
        if (pick < pathWeight) return WritePath();
        switch (pick - pathWeight) {
            case 0: return WriteLine();
            case 1: return WritePoly("polyline");
            case 2: return WritePoly("polygon");
            case 3: return WriteRect(false);
            case 4: return WriteRect(true);
            case 5: return WriteCircle();
            case 6: return WriteEllipse();
            default: return WriteText();
        }
    }

    void WriteStrokeStyle(bool filled) {
        m_out << " style=\"stroke:" << m_random.Pick(kColors)
              << ";stroke-width:" << m_random.Real(0.2, 3);
        if (m_random.Int(3) == 0) m_out << ";stroke-dasharray:" << m_random.Pick(kDashes);
        m_out << ";fill:" << (filled ? m_random.Pick(kColors) : "none") << "\"";
    }

    // The points of an outline follow each other in short steps, as the nodes of real drawings
    // do, whether a command gives them absolutely or relatively; control points lie near them.
    COutput& PenPoint() {
        m_penX += Step(), m_penY += Step();
        return m_out << m_penX << ',' << m_penY;
    }
    COutput& PenDelta() {
        const double dx = Step(), dy = Step();
        m_penX += dx, m_penY += dy;
        return m_out << dx << ',' << dy;
    }
    COutput& PenHorizontal(bool relative) {
        const double dx = Step();
        m_penX += dx;
        return m_out << (relative ? dx : m_penX);
    }
    COutput& PenVertical(bool relative) {
        const double dy = Step();
        m_penY += dy;
        return m_out << (relative ? dy : m_penY);
    }
    COutput& ControlPoint() { return m_out << m_penX + Step() << ',' << m_penY + Step(); }

    // One sub-path that uses every command, some with implicit repeats.
    void WriteSubpath() {
        NewAnchor();
        m_penX = m_anchorX, m_penY = m_anchorY;
        m_out << "M" << m_anchorX << ',' << m_anchorY << " L";
        PenPoint() << ' ';
        PenPoint() << " l";
        PenDelta() << ' ';
        PenDelta() << " H";
        PenHorizontal(false) << " h";
        PenHorizontal(true) << " V";
        PenVertical(false) << " v";
        PenVertical(true) << " C";
        ControlPoint() << ' ';
        ControlPoint() << ' ';
        PenPoint() << " c";
        Delta() << ' ';
        Delta() << ' ';
        PenDelta() << ' ';  // a second curve repeats the letter
        Delta() << ' ';
        Delta() << ' ';
        PenDelta() << " S";
        ControlPoint() << ' ';
        PenPoint() << " s";
        Delta() << ' ';
        PenDelta() << " Q";
        ControlPoint() << ' ';
        PenPoint() << " q";
        Delta() << ' ';
        PenDelta() << " T";
        PenPoint() << " t";
        PenDelta() << " A" << m_random.Real(5, 60) << ',' << m_random.Real(5, 60) << ' '
                   << m_random.Int(90) << ' ' << m_random.Int(2) << ',' << m_random.Int(2) << ' ';
        PenPoint() << " a" << m_random.Real(2, 20) << ',' << m_random.Real(2, 20) << " 0 "
                   << m_random.Int(2) << ' ' << m_random.Int(2) << ' ';
        PenDelta() << " Z m";
        m_penX = m_anchorX, m_penY = m_anchorY;  // a closed subpath returns to its start
        PenDelta() << " l";
        PenDelta() << ' ';
        PenDelta() << "z";
    }

    void WritePath() {
        m_out << "<path";
        WriteStrokeStyle(m_random.Int(4) == 0);
        if (m_random.Int(4) == 0) {
            m_out << " transform=\"";
            WriteTransform();
            m_out << "\"";
        }
        m_out << " d=\"";
        const int subpaths = 1 + m_random.Int(3);
        for (int i = 0; i < subpaths; ++i) WriteSubpath();
        m_out << "\"/>\n";
    }

    void WriteLongPathLayer() {
        m_out << "<g id=\"long_path\">\n<path style=\"stroke:#000000;fill:none\" d=\"";
        const size_t end = m_out.Written() + kLongPathBytes;
        while (m_out.Written() < end) WriteSubpath();
        m_out << "\"/>\n</g>\n";
    }

    void WriteLine() {
        m_out << "<line x1=\"" << X() << "\" y1=\"" << Y() << "\" x2=\"" << X() << "\" y2=\"" << Y()
              << "\" stroke=\"" << m_random.Pick(kColors) << "\" stroke-width=\""
              << m_random.Real(0.2, 3) << "\"/>\n";
    }

    void WritePoly(const char* name) {
        m_out << "<" << name;
        WriteStrokeStyle(name[4] == 'g' && m_random.Int(2) == 0);
        m_out << " points=\"";
        NewAnchor();
        Point();
        const int count = 3 + m_random.Int(12);
        for (int i = 0; i < count; ++i) {
            m_out << ' ';
            Point();
        }
        m_out << "\"/>\n";
    }

    void WriteRect(bool rounded) {
        m_out << "<rect x=\"" << X() << "\" y=\"" << Y() << "\" width=\"" << m_random.Real(5, 200)
              << "\" height=\"" << m_random.Real(5, 200) << "\"";
        if (rounded) m_out << " rx=\"" << m_random.Real(1, 10) << "\" ry=\"" << m_random.Real(1, 10)
                           << "\"";
        WriteStrokeStyle(m_random.Int(2) == 0);
        m_out << "/>\n";
    }

    void WriteCircle() {
        m_out << "<circle cx=\"" << X() << "\" cy=\"" << Y() << "\" r=\"" << m_random.Real(1, 80)
              << "\" stroke=\"" << m_random.Pick(kColors) << "\"";
        if (m_random.Int(3) == 0) m_out << " fill=\"" << m_random.Pick(kColors) << "\"";
        m_out << "/>\n";
    }

    void WriteEllipse() {
        m_out << "<ellipse cx=\"" << X() << "\" cy=\"" << Y() << "\" rx=\"" << m_random.Real(1, 90)
              << "\" ry=\"" << m_random.Real(1, 60) << "\"";
        WriteStrokeStyle(m_random.Int(3) == 0);
        m_out << "/>\n";
    }

    void WriteText() {
        m_out << "<text x=\"" << X() << "\" y=\"" << Y() << "\" font-family=\""
              << m_random.Pick(kFonts) << "\" font-size=\"" << m_random.Real(6, 30) << "\" fill=\""
              << m_random.Pick(kColors) << "\">Label " << m_random.Int(100000) << "</text>\n";
    }

    const CSettings& m_settings;
    COutput& m_out;
    CRandom m_random;
    double m_anchorX = 0;
    double m_anchorY = 0;
    double m_penX = 0;  // the current point of the path being written
    double m_penY = 0;
};

bool ParseArguments(int argc, char** argv, CSettings& settings) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--kind" && hasValue) settings.kind = argv[++i];
        else if (arg == "--size-mb" && hasValue) settings.sizeMb = std::atof(argv[++i]);
        else if (arg == "--seed" && hasValue) settings.seed = std::strtoull(argv[++i], nullptr, 10);
        else if (settings.outPath.empty() && arg[0] != '-') settings.outPath = arg;
        else return false;
    }
    const bool knownKind =
        settings.kind == "mixed" || settings.kind == "shapes" || settings.kind == "paths";
    return knownKind && settings.sizeMb > 0 && settings.sizeMb <= 4096 && !settings.outPath.empty();
}

}  // namespace

int main(int argc, char** argv) {
    CSettings settings;
    if (!ParseArguments(argc, argv, settings)) {
        std::fprintf(stderr,
                     "Usage: bench-generate_svg --kind mixed|shapes|paths --size-mb N [--seed S] "
                     "OUT.svg\n");
        return 2;
    }
    FILE* file = std::fopen(settings.outPath.c_str(), "wb");
    if (!file) {
        std::fprintf(stderr, "bench-generate_svg: cannot write %s\n", settings.outPath.c_str());
        return 1;
    }
    {
        COutput out(file);
        CGenerator(settings, out).Write();
    }
    const bool ok = std::ferror(file) == 0;
    return std::fclose(file) == 0 && ok ? 0 : 1;
}
