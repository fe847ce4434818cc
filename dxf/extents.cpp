#include "dxf/extents.h"

#include <algorithm>
#include <cmath>

#include "base/finite.h"
#include "base/text.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;
// A TEXT's width is not known without its font: most fonts advance less than
// this share of the text height per character, so the box holds the text.
constexpr double kAdvancePerHeight = 1.0;
constexpr double kDescentPerHeight = 0.3;

// True when the angle a (plus whole turns) lies between start and end.
bool WithinSweep(double a, double start, double end) {
    const double turns = std::ceil((start - a) / kTwoPi);
    return a + turns * kTwoPi <= end;
}

}  // namespace

double ArcSweep(double start, double end) {
    double sweep = std::fmod(end - start, kTwoPi);
    if (sweep <= 0) sweep += kTwoPi;
    return sweep;
}

void CExtents::Add(double x, double y) {
    if (!vx::AllFinite({x, y})) return;
    if (Empty()) {
        m_minX = m_maxX = x;
        m_minY = m_maxY = y;
        return;
    }
    m_minX = std::min(m_minX, x);
    m_maxX = std::max(m_maxX, x);
    m_minY = std::min(m_minY, y);
    m_maxY = std::max(m_maxY, y);
}

void CExtents::AddEllipse(double cx, double cy, double majorX, double majorY, double ratio,
                          double start, double end) {
    // P(t) = centre + major cos t + minor sin t, the minor axis a quarter turn on.
    const double minorX = -majorY * ratio, minorY = majorX * ratio;
    const auto at = [&](double t) {
        Add(cx + majorX * std::cos(t) + minorX * std::sin(t),
            cy + majorY * std::cos(t) + minorY * std::sin(t));
    };
    end = start + ArcSweep(start, end);
    at(start);
    at(end);
    // Where x and where y turn back: tan t = minor / major of that coordinate.
    for (double turn : {std::atan2(minorX, majorX), std::atan2(minorY, majorY)})
        for (double t : {turn, turn + kTwoPi / 2})
            if (WithinSweep(t, start, end)) at(t);
}

void CExtents::AddText(const DL_TextData& text) {
    // An aligned TEXT stands at its alignment point and reaches either way.
    const bool aligned = text.hJustification != 0;
    const double x = aligned ? text.apx : text.ipx, y = aligned ? text.apy : text.ipy;
    const double width = text.height * kAdvancePerHeight * double(vx::Utf8CharacterCount(text.text));
    const double left = aligned ? -width : 0;
    const double bottom = -text.height * kDescentPerHeight, top = text.height;
    const double c = std::cos(text.angle), s = std::sin(text.angle);
    for (double u : {left, width})
        for (double v : {bottom, top}) Add(x + u * c - v * s, y + u * s + v * c);
}

void CExtents::AddImage(const DL_ImageData& image) {
    const double w = image.width, h = image.height;
    for (double u : {0.0, w})
        for (double v : {0.0, h})
            Add(image.ipx + u * image.ux + v * image.vx, image.ipy + u * image.uy + v * image.vy);
}
