#include "dxf/lab_colour.h"

#include <cmath>

namespace vx {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegrees = 180 / kPi;

double LinearChannel(int value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The cube root of Lab, with its linear foot near black.
double LabCurve(double t) {
    constexpr double kEdge = 6.0 / 29;
    return t > kEdge * kEdge * kEdge ? std::cbrt(t) : t / (3 * kEdge * kEdge) + 4.0 / 29;
}

double Pow7Ratio(double c) {
    const double c2 = c * c, c7 = c2 * c2 * c2 * c;
    return std::sqrt(c7 / (c7 + 6103515625.0));  // 25^7
}

// Hue angle in degrees, 0 to 360; 0 for a grey.
double HueDegrees(double b, double aPrime) {
    if (b == 0 && aPrime == 0) return 0;
    const double h = std::atan2(b, aPrime) * kDegrees;
    return h < 0 ? h + 360 : h;
}

// The chroma and hue of a colour after the a* axis is stretched by 1 + G.
struct CChromaHue {
    double chroma, hue;
};

CChromaHue Stretched(const CLab& lab, double g) {
    const double aPrime = (1 + g) * lab.a;
    return {std::hypot(aPrime, lab.b), HueDegrees(lab.b, aPrime)};
}

// The hue difference and mean hue, taken the short way round the circle.
void HueDifferenceAndMean(const CChromaHue& x, const CChromaHue& y, double& difference, double& mean) {
    if (x.chroma * y.chroma == 0) {
        difference = 0;
        mean = x.hue + y.hue;
        return;
    }
    const double d = y.hue - x.hue;
    difference = d > 180 ? d - 360 : (d < -180 ? d + 360 : d);
    const double sum = x.hue + y.hue;
    mean = std::abs(d) <= 180 ? sum / 2 : (sum < 360 ? sum + 360 : sum - 360) / 2;
}

double HueWeight(double meanHue) {
    const double h = meanHue / kDegrees;
    return 1 - 0.17 * std::cos(h - 30 / kDegrees) + 0.24 * std::cos(2 * h) +
           0.32 * std::cos(3 * h + 6 / kDegrees) - 0.20 * std::cos(4 * h - 63 / kDegrees);
}

}  // namespace

CLab SrgbToLab(int red, int green, int blue) {
    const double r = LinearChannel(red), g = LinearChannel(green), b = LinearChannel(blue);
    const double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047;
    const double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
    const double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883;
    const double fx = LabCurve(x), fy = LabCurve(y), fz = LabCurve(z);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

double DeltaE2000(const CLab& first, const CLab& second, double lightnessWeight) {
    const double meanChroma = (std::hypot(first.a, first.b) + std::hypot(second.a, second.b)) / 2;
    const double g = 0.5 * (1 - Pow7Ratio(meanChroma));
    const CChromaHue x = Stretched(first, g), y = Stretched(second, g);
    double hueDifference = 0, meanHue = 0;
    HueDifferenceAndMean(x, y, hueDifference, meanHue);
    const double dL = second.L - first.L, dC = y.chroma - x.chroma;
    const double dH = 2 * std::sqrt(x.chroma * y.chroma) * std::sin(hueDifference / 2 / kDegrees);
    const double meanL = (first.L + second.L) / 2 - 50, meanC = (x.chroma + y.chroma) / 2;
    const double sL = 1 + 0.015 * meanL * meanL / std::sqrt(20 + meanL * meanL);
    const double sC = 1 + 0.045 * meanC, sH = 1 + 0.015 * meanC * HueWeight(meanHue);
    const double hueFrom275 = (meanHue - 275) / 25;
    const double rotation = 30 * std::exp(-hueFrom275 * hueFrom275);
    const double rT = -std::sin(2 * rotation / kDegrees) * 2 * Pow7Ratio(meanC);
    const double l = lightnessWeight * dL / sL, c = dC / sC, h = dH / sH;
    return std::sqrt(l * l + c * c + h * h + rT * c * h);
}

}  // namespace vx
