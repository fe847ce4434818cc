#pragma once
// The attribute texts the walker collects for one element, which its drawable
// is resolved from. They point into the element tree, which outlives the call;
// a text that was not collected is empty.
#include <string>

struct CElementTexts {
    static const std::string kEmpty;

    const std::string* transform = &kEmpty;
    const std::string* x = &kEmpty;
    const std::string* y = &kEmpty;
    const std::string* x1 = &kEmpty;
    const std::string* y1 = &kEmpty;
    const std::string* x2 = &kEmpty;
    const std::string* y2 = &kEmpty;
    const std::string* cx = &kEmpty;
    const std::string* cy = &kEmpty;
    const std::string* r = &kEmpty;
    const std::string* rx = &kEmpty;
    const std::string* ry = &kEmpty;
    const std::string* width = &kEmpty;
    const std::string* height = &kEmpty;
    const std::string* points = &kEmpty;
    const std::string* d = &kEmpty;
    const std::string* link = &kEmpty;
    const std::string* polylineDash = &kEmpty;
    // Texts cut out of style declarations, or taken over from a text element.
    std::string pathDash;
    std::string markerStart;
    std::string markerEnd;
    std::string fontFamily;
    std::string fontSize;
    int rectFilled = 0;
};
