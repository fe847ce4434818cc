#include "resolve/paint.h"

#include <cmath>

#include "base/text.h"
#include "resolve/dash_offset.h"
#include "resolve/lengths.h"
#include "svg/colors.h"
#include "dxf/perceptual_palette.h"
#include "xml/xml_node.h"

namespace vx {

namespace {

// Gradients chain their stops through href; a chain this long is a loop.
constexpr int kMaxGradientLinks = 16;

// A stop's colour from its attribute, or from its style, which wins.
bool StopColor(const CXML& stop, uint32_t& rgb) {
    std::string_view text;
    if (const std::string* attribute = stop.FindAttribute("stop-color")) text = *attribute;
    std::string_view styled;
    if (const std::string* style = stop.FindAttribute("style"))
        if (DeclarationValue(*style, "stop-color", styled)) text = styled;
    bool known = false;
    rgb = vx::ParseColor(TrimView(text), &known);
    return known;
}

// A CAD hatch is one colour: a gradient fills with the mean of its stops.
bool GradientColor(const CElementIds& ids, const CXML* gradient, uint32_t& rgb) {
    for (int link = 0; gradient && link < kMaxGradientLinks; ++link) {
        double sum[3] = {0, 0, 0};
        int count = 0;
        for (const CXML* child : gradient->Children()) {
            uint32_t stop = 0;
            if (child->m_strTag != "stop" || !StopColor(*child, stop)) continue;
            for (int channel = 0; channel < 3; ++channel) sum[channel] += (stop >> (8 * channel)) & 0xFF;
            ++count;
        }
        if (count > 0) {
            rgb = 0;
            for (int channel = 0; channel < 3; ++channel)
                rgb |= uint32_t(std::lround(sum[channel] / count)) << (8 * channel);
            return true;
        }
        gradient = FindReferenced(ids, ReferenceOf(*gradient));
    }
    return false;
}

// False for none and for what cannot be read: that part is not painted.
bool PaintColor(std::string_view paint, const CElementIds& ids, uint32_t& rgb) {
    paint = TrimView(paint);
    if (paint.empty() || paint == "none") return false;
    if (paint.substr(0, 4) == "url(") {
        std::string_view fallback;
        const CXML* target = FindUrlTarget(ids, paint, &fallback);
        if (paint.find(')') == std::string_view::npos) return false;
        if (GradientColor(ids, target, rgb)) return true;
        // A pattern or a missing reference: the fallback colour after it, if any.
        return PaintColor(fallback, ids, rgb);
    }
    bool known = false;
    rgb = vx::ParseColor(paint, &known);
    return known;
}

}  // namespace

double StrokeWidthOf(const CComputedStyle& style) {
    double value = 1;
    LengthUnit unit{};
    if (!ParseLength(style.Get(CssProperty::StrokeWidth), value, unit)) return 1;
    return ToUserUnits(value, unit, 16, 100);
}

double LengthScale(const CMatrix& m) { return std::sqrt(std::fabs(m.a * m.d - m.b * m.c)); }

double OpacityOf(std::string_view text) {
    text = TrimView(text);
    size_t used = 0;
    double value = ReadNumber(text, used);
    if (used == 0 || !std::isfinite(value)) return 1;
    if (used < text.size() && text[used] == '%') value /= 100;
    return value;
}

CResolvedPaint ResolvePaint(const CComputedStyle& style, const CMatrix& toDrawing,
                            const CElementIds& ids, CDocumentColours& colours) {
    CResolvedPaint paint;
    if (style.Get(CssProperty::Visibility) != "visible") return paint;
    uint32_t rgb = 0;
    if (OpacityOf(style.Get(CssProperty::FillOpacity)) > 0 &&
        PaintColor(style.Get(CssProperty::Fill), ids, rgb)) {
        paint.fill = true;
        paint.fillColor = colours.Nearest(rgb);
    }
    const double width = StrokeWidthOf(style);
    if (width > 0 && OpacityOf(style.Get(CssProperty::StrokeOpacity)) > 0 &&
        PaintColor(style.Get(CssProperty::Stroke), ids, rgb)) {
        paint.stroke = true;
        paint.strokeColor = colours.Nearest(rgb);
        paint.strokeWidth = width * LengthScale(toDrawing);
        const std::string& dashes = style.Get(CssProperty::StrokeDasharray);
        if (dashes != "none") {
            paint.dashArray = DashesFromOffset(dashes, style.Get(CssProperty::StrokeDashoffset));
            paint.dashScale = LengthScale(toDrawing);
        }
    }
    paint.evenOdd = style.Get(CssProperty::FillRule) == "evenodd";
    return paint;
}

}  // namespace vx
