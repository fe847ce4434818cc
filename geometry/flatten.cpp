#include "geometry/flatten.h"

#include "base/finite.h"

#include <algorithm>
#include <cmath>

namespace vx {

namespace {

constexpr double kPi = 3.14159265358979323846;

void Append(std::vector<CPointData>& points, double x, double y, int& drawn) {
    points.emplace_back(x, y);
    ++drawn;
}

struct CCubic {
    double x0, y0, x1, y1, x2, y2, x3, y3;
};

// The two halves of a cubic at t = 0.5 (de Casteljau).
void SplitCubic(const CCubic& c, CCubic& first, CCubic& second) {
    const double ax = (c.x0 + c.x1) / 2, ay = (c.y0 + c.y1) / 2;
    const double bx = (c.x0 + 2 * c.x1 + c.x2) / 4, by = (c.y0 + 2 * c.y1 + c.y2) / 4;
    const double mx = (c.x0 + 3 * c.x1 + 3 * c.x2 + c.x3) / 8;
    const double my = (c.y0 + 3 * c.y1 + 3 * c.y2 + c.y3) / 8;
    const double px = (c.x1 + 2 * c.x2 + c.x3) / 4, py = (c.y1 + 2 * c.y2 + c.y3) / 4;
    const double qx = (c.x2 + c.x3) / 2, qy = (c.y2 + c.y3) / 2;
    first = {c.x0, c.y0, ax, ay, bx, by, mx, my};
    second = {mx, my, px, py, qx, qy, c.x3, c.y3};
}

void FlattenCubic(const CCubic& c, std::vector<CPointData>& points, int& drawn, int depth) {
    const double dx = c.x3 - c.x0, dy = c.y3 - c.y0;
    const double k = dx * c.y0 - dy * c.x0;
    const double limit = (dx * dx + dy * dy) / 60;
    if (limit == 0) return;  // a piece that ends where it starts adds nothing
    // Control point distances from the chord, times the chord length.
    const double d1 = dy * c.x1 - dx * c.y1 + k;
    const double d2 = dy * c.x2 - dx * c.y2 + k;
    const double e1 = d1 * d1, e2 = d2 * d2;
    // A piece too large to measure, or one at the depth limit, is taken as flat.
    const bool measurable = std::isfinite(limit) && std::isfinite(e1) && std::isfinite(e2);
    if ((e1 < limit && e2 < limit) || !measurable || depth >= kMaxCubicDepth) {
        Append(points, c.x0, c.y0, drawn);
        Append(points, c.x3, c.y3, drawn);
        return;
    }
    CCubic first, second;
    SplitCubic(c, first, second);
    FlattenCubic(first, points, drawn, depth + 1);
    FlattenCubic(second, points, drawn, depth + 1);
}

// Halves the curve until both control points lie within tolerance of the
// chord; appends each piece's end point.
void FlattenCubicFinely(const CCubic& c, double tolerance, std::vector<CPointData>& points,
                        int& drawn, int depth) {
    const double dx = c.x3 - c.x0, dy = c.y3 - c.y0;
    const double chord = std::hypot(dx, dy);
    const auto offChord = [&](double x, double y) {
        return chord > 0 ? std::fabs(dy * (x - c.x0) - dx * (y - c.y0)) / chord
                         : std::hypot(x - c.x0, y - c.y0);
    };
    const double off = std::max(offChord(c.x1, c.y1), offChord(c.x2, c.y2));
    if (!(off > tolerance) || depth >= kMaxCubicDepth) {
        Append(points, c.x3, c.y3, drawn);
        return;
    }
    CCubic first, second;
    SplitCubic(c, first, second);
    FlattenCubicFinely(first, tolerance, points, drawn, depth + 1);
    FlattenCubicFinely(second, tolerance, points, drawn, depth + 1);
}

// Chords of an arc of this radius that stay within tolerance of it, for a turn.
int ArcSamples(double radius, double sweepRadians, double tolerance) {
    constexpr int kMaxArcSamples = 4096;
    const double step = 2 * std::acos(std::max(-1.0, 1 - tolerance / radius));
    const double samples = std::ceil(std::fabs(sweepRadians) / step);
    return samples >= 1 ? int(std::min(samples, double(kMaxArcSamples))) : 1;
}

}  // namespace

void AppendCubic(double x0, double y0, double x1, double y1, double x2, double y2, double x3,
                 double y3, std::vector<CPointData>& points, int& drawn, double tolerance) {
    if (!AllFinite({x0, y0, x1, y1, x2, y2, x3, y3})) return;
    if (tolerance > 0) {
        Append(points, x0, y0, drawn);
        FlattenCubicFinely({x0, y0, x1, y1, x2, y2, x3, y3}, tolerance, points, drawn, 0);
        return;
    }
    FlattenCubic({x0, y0, x1, y1, x2, y2, x3, y3}, points, drawn, 0);
}

void AppendQuadratic(std::vector<CPointData>& points, double x0, double y0, double x1, double y1,
                     double x2, double y2, int& drawn, double tolerance) {
    if (tolerance > 0) {
        // The same curve as a cubic: control points two thirds of the way to the quadratic's.
        AppendCubic(x0, y0, x0 + 2 * (x1 - x0) / 3, y0 + 2 * (y1 - y0) / 3, x2 + 2 * (x1 - x2) / 3,
                    y2 + 2 * (y1 - y2) / 3, x2, y2, points, drawn, tolerance);
        return;
    }
    const float fx0 = float(x0), fy0 = float(y0), fx1 = float(x1), fy1 = float(y1);
    const float fx2 = float(x2), fy2 = float(y2);
    float xs[6], ys[6];
    float t = 0;
    for (int i = 0; i < 6; ++i, t += 0.2f) {
        const float u = 1 - t;
        xs[i] = u * u * fx0 + 2 * t * u * fx1 + t * t * fx2;
        ys[i] = u * u * fy0 + 2 * t * u * fy1 + t * t * fy2;
        // Coordinates beyond single precision leave the curve out.
        if (!std::isfinite(xs[i]) || !std::isfinite(ys[i])) return;
    }
    for (int i = 0; i < 6; ++i) Append(points, xs[i], ys[i], drawn);
}

CArcCentre ArcToCenter(double x0, double y0, double rx, double ry, double rotationDegrees,
                       bool largeArc, bool sweep, double x, double y) {
    if (x0 == x && y0 == y) return CArcCentre{1};
    if (rx == 0 || ry == 0) return CArcCentre{2};
    rx = std::fabs(rx);
    ry = std::fabs(ry);
    const double phi = rotationDegrees * kPi / 180;
    const double cosPhi = std::cos(phi), sinPhi = std::sin(phi);
    const double hx = (x0 - x) / 2, hy = (y0 - y) / 2;
    const double x1p = cosPhi * hx + sinPhi * hy;
    const double y1p = -sinPhi * hx + cosPhi * hy;
    const double lambda = x1p * x1p / (rx * rx) + y1p * y1p / (ry * ry);
    if (lambda > 1) {
        rx *= std::sqrt(lambda);
        ry *= std::sqrt(lambda);
    }
    const double den = rx * rx * y1p * y1p + ry * ry * x1p * x1p;
    if (den == 0) return CArcCentre{3};
    double coef = std::sqrt(std::fabs(rx * rx * ry * ry / den - 1));
    if (largeArc == sweep) coef = -coef;
    const double cxp = coef * rx * y1p / ry, cyp = -coef * ry * x1p / rx;
    const double ux = (x1p - cxp) / rx, uy = (y1p - cyp) / ry;
    const double vx = (-x1p - cxp) / rx, vy = (-y1p - cyp) / ry;
    const double nu = std::hypot(ux, uy), nuv = nu * std::hypot(vx, vy);
    if (nuv == 0) return CArcCentre{3};
    double start = std::acos(std::clamp(ux / nu, -1.0, 1.0));
    if (uy < 0) start = -start;
    double delta = std::acos(std::clamp((ux * vx + uy * vy) / nuv, -1.0, 1.0));
    if (ux * vy - uy * vx < 0) delta = -delta;
    if (!sweep && delta > 0) delta -= 2 * kPi;
    if (sweep && delta < 0) delta += 2 * kPi;
    CArcCentre arc;  // code 0
    arc.cx = cosPhi * cxp - sinPhi * cyp + (x0 + x) / 2;
    arc.cy = sinPhi * cxp + cosPhi * cyp + (y0 + y) / 2;
    arc.rx = rx;
    arc.ry = ry;
    arc.startDegrees = start * 180 / kPi;
    arc.sweepDegrees = delta * 180 / kPi;
    // Radii so large that the arithmetic overflows leave only the end point.
    if (!AllFinite({arc.cx, arc.cy, arc.rx, arc.ry, arc.startDegrees, arc.sweepDegrees}))
        return CArcCentre{3};
    return arc;
}

void AppendArc(double x0, double y0, double rx, double ry, double rotationDegrees, bool largeArc,
               bool sweep, double x, double y, std::vector<CPointData>& points, int& drawn,
               double tolerance) {
    if (!AllFinite({x0, y0, rx, ry, rotationDegrees, x, y})) return;
    const CArcCentre arc = ArcToCenter(x0, y0, rx, ry, rotationDegrees, largeArc, sweep, x, y);
    if (arc.code == 0) {
        constexpr double kRadiansPerDegree = 0.017453292519943295;
        const double phi = rotationDegrees * kPi / 180;
        const double cosPhi = std::cos(phi), sinPhi = std::sin(phi);
        const double start = arc.startDegrees * kRadiansPerDegree;
        const int samples = tolerance > 0 ? ArcSamples(std::max(arc.rx, arc.ry),
                                                       arc.sweepDegrees * kRadiansPerDegree, tolerance)
                                          : 20;
        const double step = arc.sweepDegrees / samples * kRadiansPerDegree;
        for (int i = 0; i < samples; ++i) {
            const double t = start + i * step;
            const double ct = std::cos(t), st = std::sin(t);
            Append(points, arc.cx + arc.rx * cosPhi * ct - arc.ry * sinPhi * st,
                   arc.cy + arc.rx * sinPhi * ct + arc.ry * cosPhi * st, drawn);
        }
    }
    Append(points, x, y, drawn);
}

}  // namespace vx
