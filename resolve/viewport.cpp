#include "resolve/viewport.h"

#include <algorithm>

#include "base/finite.h"
#include "base/text.h"
#include "resolve/element_access.h"
#include "svg/number_list.h"

namespace vx {

namespace {

// The next blank-separated word from pos on; empty at the end.
std::string_view NextWord(std::string_view text, size_t& pos) {
    while (pos < text.size() && IsSpace(text[pos])) ++pos;
    const size_t start = pos;
    while (pos < text.size() && !IsSpace(text[pos])) ++pos;
    return text.substr(start, pos - start);
}

bool ParseAlign(std::string_view word, CAspectRatio::Align& align) {
    if (word == "Min")
        align = CAspectRatio::kMin;
    else if (word == "Mid")
        align = CAspectRatio::kMid;
    else if (word == "Max")
        align = CAspectRatio::kMax;
    else
        return false;
    return true;
}

// "x???Y???" or "none".
bool ParseAlignment(std::string_view word, CAspectRatio& aspect) {
    if (word == "none") {
        aspect.stretch = true;
        return true;
    }
    return word.size() == 8 && word[0] == 'x' && word[4] == 'Y' &&
           ParseAlign(word.substr(1, 3), aspect.x) && ParseAlign(word.substr(5, 3), aspect.y);
}

bool ParseAspect(std::string_view text, CAspectRatio& aspect) {
    size_t pos = 0;
    std::string_view word = NextWord(text, pos);
    if (word == "defer") word = NextWord(text, pos);  // only meaningful for images
    if (!ParseAlignment(word, aspect)) return false;
    word = NextWord(text, pos);
    if (word == "slice" || word == "meet") {
        aspect.slice = word == "slice";
        word = NextWord(text, pos);
    }
    return word.empty();
}

// The offset that places content of the given size at the alignment.
double AlignOffset(CAspectRatio::Align align, double viewport, double content) {
    return align == CAspectRatio::kMin ? 0 : (align == CAspectRatio::kMid ? (viewport - content) / 2 : viewport - content);
}

}  // namespace

CAspectRatio ReadAspectRatio(std::string_view text) {
    CAspectRatio aspect;
    if (!ParseAspect(text, aspect)) aspect = CAspectRatio();
    return aspect;
}

CMatrix ViewportMatrix(double vbX, double vbY, double vbW, double vbH, double width, double height,
                       std::string_view preserveAspectRatio) {
    return ViewportMatrix(vbX, vbY, vbW, vbH, width, height, ReadAspectRatio(preserveAspectRatio));
}

CMatrix ViewportMatrix(double vbX, double vbY, double vbW, double vbH, double width, double height,
                       const CAspectRatio& aspect) {
    if (!AllFinite({vbX, vbY, vbW, vbH, width, height}) || !(vbW > 0) || !(vbH > 0) || width < 0 ||
        height < 0)
        return CMatrix();
    double sx = width / vbW, sy = height / vbH;
    if (!aspect.stretch) sx = sy = aspect.slice ? std::max(sx, sy) : std::min(sx, sy);
    const double ex = AlignOffset(aspect.x, width, vbW * sx) - vbX * sx;
    const double ey = AlignOffset(aspect.y, height, vbH * sy) - vbY * sy;
    // A viewBox far off at 1e300 can take the offset past the largest double.
    if (!AllFinite({sx, sy, ex, ey})) return CMatrix();
    return {sx, 0, 0, sy, ex, ey};
}

CMatrix ViewportOf(const CXML& element, double width, double height) {
    double box[4] = {0, 0, 0, 0};
    const std::string& viewBox = AttributeText(element, "viewBox");
    if (ReadNumberList(viewBox, box, 4) < 4 || !(box[2] > 0) || !(box[3] > 0)) return CMatrix();
    if (!(width > 0)) width = box[2];
    if (!(height > 0)) height = box[3];
    return ViewportMatrix(box[0], box[1], box[2], box[3], width, height,
                          AttributeText(element, "preserveAspectRatio"));
}

}  // namespace vx
