#include "geometry/transform_list.h"

#include <cmath>

#include "base/finite.h"
#include "base/text.h"

namespace vx {

namespace {

constexpr int kMaxArguments = 6;
constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

struct CFunctionCall {
    std::string_view name;
    double args[kMaxArguments] = {};
    int count = 0;
};

bool IsCommaOrSpace(char c) { return IsSpace(c) || c == ','; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

size_t SkipSpaces(std::string_view text, size_t pos) {
    while (pos < text.size() && IsSpace(text[pos])) ++pos;
    return pos;
}

// The numbers between "(" and ")", separated by blanks and/or one comma; pos
// ends after the ")". False on a missing ")", a comma out of place, text that
// is no number, too many numbers or an infinite one.
bool ReadArguments(std::string_view text, size_t& pos, CFunctionCall& call) {
    bool commaPending = false;
    for (pos = SkipSpaces(text, pos); pos < text.size() && text[pos] != ')';) {
        size_t used = 0;
        const double value = ReadNumber(text.substr(pos), used);
        if (used == 0 || call.count == kMaxArguments || !std::isfinite(value)) return false;
        call.args[call.count++] = value;
        pos = SkipSpaces(text, pos + used);
        commaPending = pos < text.size() && text[pos] == ',';
        if (commaPending) pos = SkipSpaces(text, pos + 1);
    }
    if (pos >= text.size() || commaPending) return false;
    ++pos;
    return true;
}

// One "name ( numbers )" at pos; pos ends after its ")".
bool ReadCall(std::string_view text, size_t& pos, CFunctionCall& call) {
    const size_t start = pos;
    while (pos < text.size() && IsLetter(text[pos])) ++pos;
    call = CFunctionCall();
    call.name = text.substr(start, pos - start);
    pos = SkipSpaces(text, pos);
    if (call.name.empty() || pos >= text.size() || text[pos] != '(') return false;
    ++pos;
    return ReadArguments(text, pos, call);
}

// Cosine and sine of an angle in degrees; exact at multiples of 90 so that
// rotate(90) leaves no 6e-17 residue in the matrix.
void DegreesCosSin(double degrees, double& c, double& s) {
    const double turn = std::fmod(degrees, 360.0);
    if (std::fmod(turn, 90.0) == 0) {
        const int quarter = (int(turn / 90.0) + 4) % 4;
        constexpr double kCos[] = {1, 0, -1, 0}, kSin[] = {0, 1, 0, -1};
        c = kCos[quarter];
        s = kSin[quarter];
        return;
    }
    const double radians = turn * kRadiansPerDegree;
    c = std::cos(radians);
    s = std::sin(radians);
}

CMatrix Translation(double x, double y) { return {1, 0, 0, 1, x, y}; }

CMatrix Rotation(const CFunctionCall& call) {
    double c = 1, s = 0;
    DegreesCosSin(call.args[0], c, s);
    const CMatrix turn{c, s, -s, c, 0, 0};
    if (call.count == 1) return turn;
    const double cx = call.args[1], cy = call.args[2];
    return Multiply(Translation(cx, cy), Multiply(turn, Translation(-cx, -cy)));
}

double DegreesTan(double degrees) { return std::tan(std::fmod(degrees, 180.0) * kRadiansPerDegree); }

// The matrix of one function; false for an unknown name or argument count.
bool CallMatrix(const CFunctionCall& call, CMatrix& m) {
    const double* v = call.args;
    const int n = call.count;
    if (call.name == "matrix" && n == 6)
        m = {v[0], v[1], v[2], v[3], v[4], v[5]};
    else if (call.name == "translate" && (n == 1 || n == 2))
        m = Translation(v[0], n == 2 ? v[1] : 0.0);
    else if (call.name == "scale" && (n == 1 || n == 2))
        m = {v[0], 0, 0, n == 2 ? v[1] : v[0], 0, 0};
    else if (call.name == "rotate" && (n == 1 || n == 3))
        m = Rotation(call);
    else if (call.name == "skewX" && n == 1)
        m = {1, 0, DegreesTan(v[0]), 1, 0, 0};
    else if (call.name == "skewY" && n == 1)
        m = {1, DegreesTan(v[0]), 0, 1, 0, 0};
    else
        return false;
    return true;
}

bool ComposeList(std::string_view text, CMatrix& out) {
    size_t pos = SkipSpaces(text, 0);
    while (pos < text.size()) {
        CFunctionCall call;
        CMatrix m;
        if (!ReadCall(text, pos, call) || !CallMatrix(call, m)) return false;
        out = Multiply(out, m);
        // A list that has overflowed stays overflowed: stop reading it.
        if (!IsFinite(out)) return false;
        // Blanks and commas may separate functions, but the list cannot end in a comma.
        const size_t end = pos;
        while (pos < text.size() && IsCommaOrSpace(text[pos])) ++pos;
        if (pos == text.size() && text.find(',', end) != std::string_view::npos) return false;
    }
    return true;
}

}  // namespace

CMatrix Multiply(const CMatrix& outer, const CMatrix& inner) {
    const CMatrix& o = outer;
    const CMatrix& i = inner;
    return {o.a * i.a + o.c * i.b,         o.b * i.a + o.d * i.b,
            o.a * i.c + o.c * i.d,         o.b * i.c + o.d * i.d,
            o.a * i.e + o.c * i.f + o.e,   o.b * i.e + o.d * i.f + o.f};
}

bool ParseTransformList(std::string_view text, CMatrix& out) {
    out = CMatrix();
    if (ComposeList(text, out)) return true;
    out = CMatrix();
    return false;
}

}  // namespace vx
