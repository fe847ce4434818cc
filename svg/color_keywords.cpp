// The 147 colour keywords of SVG and CSS with their CSS values, except that
// "green" is full green (0, 255, 0): drawings made for this converter have
// always relied on that.
#include "svg/color_keywords.h"

#include <algorithm>
#include <iterator>

namespace vx {
namespace {

struct ColorKeyword {
    std::string_view name;
    uint32_t rgb;
};

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

// Sorted by name for the binary search.
constexpr ColorKeyword kKeywords[] = {
    {"aliceblue", Rgb(240, 248, 255)},
    {"antiquewhite", Rgb(250, 235, 215)},
    {"aqua", Rgb(0, 255, 255)},
    {"aquamarine", Rgb(127, 255, 212)},
    {"azure", Rgb(240, 255, 255)},
    {"beige", Rgb(245, 245, 220)},
    {"bisque", Rgb(255, 228, 196)},
    {"black", Rgb(0, 0, 0)},
    {"blanchedalmond", Rgb(255, 235, 205)},
    {"blue", Rgb(0, 0, 255)},
    {"blueviolet", Rgb(138, 43, 226)},
    {"brown", Rgb(165, 42, 42)},
    {"burlywood", Rgb(222, 184, 135)},
    {"cadetblue", Rgb(95, 158, 160)},
    {"chartreuse", Rgb(127, 255, 0)},
    {"chocolate", Rgb(210, 105, 30)},
    {"coral", Rgb(255, 127, 80)},
    {"cornflowerblue", Rgb(100, 149, 237)},
    {"cornsilk", Rgb(255, 248, 220)},
    {"crimson", Rgb(220, 20, 60)},
    {"cyan", Rgb(0, 255, 255)},
    {"darkblue", Rgb(0, 0, 139)},
    {"darkcyan", Rgb(0, 139, 139)},
    {"darkgoldenrod", Rgb(184, 134, 11)},
    {"darkgray", Rgb(169, 169, 169)},
    {"darkgreen", Rgb(0, 100, 0)},
    {"darkgrey", Rgb(169, 169, 169)},
    {"darkkhaki", Rgb(189, 183, 107)},
    {"darkmagenta", Rgb(139, 0, 139)},
    {"darkolivegreen", Rgb(85, 107, 47)},
    {"darkorange", Rgb(255, 140, 0)},
    {"darkorchid", Rgb(153, 50, 204)},
    {"darkred", Rgb(139, 0, 0)},
    {"darksalmon", Rgb(233, 150, 122)},
    {"darkseagreen", Rgb(143, 188, 143)},
    {"darkslateblue", Rgb(72, 61, 139)},
    {"darkslategray", Rgb(47, 79, 79)},
    {"darkslategrey", Rgb(47, 79, 79)},
    {"darkturquoise", Rgb(0, 206, 209)},
    {"darkviolet", Rgb(148, 0, 211)},
    {"deeppink", Rgb(255, 20, 147)},
    {"deepskyblue", Rgb(0, 191, 255)},
    {"dimgray", Rgb(105, 105, 105)},
    {"dimgrey", Rgb(105, 105, 105)},
    {"dodgerblue", Rgb(30, 144, 255)},
    {"firebrick", Rgb(178, 34, 34)},
    {"floralwhite", Rgb(255, 250, 240)},
    {"forestgreen", Rgb(34, 139, 34)},
    {"fuchsia", Rgb(255, 0, 255)},
    {"gainsboro", Rgb(220, 220, 220)},
    {"ghostwhite", Rgb(248, 248, 255)},
    {"gold", Rgb(255, 215, 0)},
    {"goldenrod", Rgb(218, 165, 32)},
    {"gray", Rgb(128, 128, 128)},
    {"green", Rgb(0, 255, 0)},
    {"greenyellow", Rgb(173, 255, 47)},
    {"grey", Rgb(128, 128, 128)},
    {"honeydew", Rgb(240, 255, 240)},
    {"hotpink", Rgb(255, 105, 180)},
    {"indianred", Rgb(205, 92, 92)},
    {"indigo", Rgb(75, 0, 130)},
    {"ivory", Rgb(255, 255, 240)},
    {"khaki", Rgb(240, 230, 140)},
    {"lavender", Rgb(230, 230, 250)},
    {"lavenderblush", Rgb(255, 240, 245)},
    {"lawngreen", Rgb(124, 252, 0)},
    {"lemonchiffon", Rgb(255, 250, 205)},
    {"lightblue", Rgb(173, 216, 230)},
    {"lightcoral", Rgb(240, 128, 128)},
    {"lightcyan", Rgb(224, 255, 255)},
    {"lightgoldenrodyellow", Rgb(250, 250, 210)},
    {"lightgray", Rgb(211, 211, 211)},
    {"lightgreen", Rgb(144, 238, 144)},
    {"lightgrey", Rgb(211, 211, 211)},
    {"lightpink", Rgb(255, 182, 193)},
    {"lightsalmon", Rgb(255, 160, 122)},
    {"lightseagreen", Rgb(32, 178, 170)},
    {"lightskyblue", Rgb(135, 206, 250)},
    {"lightslategray", Rgb(119, 136, 153)},
    {"lightslategrey", Rgb(119, 136, 153)},
    {"lightsteelblue", Rgb(176, 196, 222)},
    {"lightyellow", Rgb(255, 255, 224)},
    {"lime", Rgb(0, 255, 0)},
    {"limegreen", Rgb(50, 205, 50)},
    {"linen", Rgb(250, 240, 230)},
    {"magenta", Rgb(255, 0, 255)},
    {"maroon", Rgb(128, 0, 0)},
    {"mediumaquamarine", Rgb(102, 205, 170)},
    {"mediumblue", Rgb(0, 0, 205)},
    {"mediumorchid", Rgb(186, 85, 211)},
    {"mediumpurple", Rgb(147, 112, 219)},
    {"mediumseagreen", Rgb(60, 179, 113)},
    {"mediumslateblue", Rgb(123, 104, 238)},
    {"mediumspringgreen", Rgb(0, 250, 154)},
    {"mediumturquoise", Rgb(72, 209, 204)},
    {"mediumvioletred", Rgb(199, 21, 133)},
    {"midnightblue", Rgb(25, 25, 112)},
    {"mintcream", Rgb(245, 255, 250)},
    {"mistyrose", Rgb(255, 228, 225)},
    {"moccasin", Rgb(255, 228, 181)},
    {"navajowhite", Rgb(255, 222, 173)},
    {"navy", Rgb(0, 0, 128)},
    {"oldlace", Rgb(253, 245, 230)},
    {"olive", Rgb(128, 128, 0)},
    {"olivedrab", Rgb(107, 142, 35)},
    {"orange", Rgb(255, 165, 0)},
    {"orangered", Rgb(255, 69, 0)},
    {"orchid", Rgb(218, 112, 214)},
    {"palegoldenrod", Rgb(238, 232, 170)},
    {"palegreen", Rgb(152, 251, 152)},
    {"paleturquoise", Rgb(175, 238, 238)},
    {"palevioletred", Rgb(219, 112, 147)},
    {"papayawhip", Rgb(255, 239, 213)},
    {"peachpuff", Rgb(255, 218, 185)},
    {"peru", Rgb(205, 133, 63)},
    {"pink", Rgb(255, 192, 203)},
    {"plum", Rgb(221, 160, 221)},
    {"powderblue", Rgb(176, 224, 230)},
    {"purple", Rgb(128, 0, 128)},
    {"red", Rgb(255, 0, 0)},
    {"rosybrown", Rgb(188, 143, 143)},
    {"royalblue", Rgb(65, 105, 225)},
    {"saddlebrown", Rgb(139, 69, 19)},
    {"salmon", Rgb(250, 128, 114)},
    {"sandybrown", Rgb(244, 164, 96)},
    {"seagreen", Rgb(46, 139, 87)},
    {"seashell", Rgb(255, 245, 238)},
    {"sienna", Rgb(160, 82, 45)},
    {"silver", Rgb(192, 192, 192)},
    {"skyblue", Rgb(135, 206, 235)},
    {"slateblue", Rgb(106, 90, 205)},
    {"slategray", Rgb(112, 128, 144)},
    {"slategrey", Rgb(112, 128, 144)},
    {"snow", Rgb(255, 250, 250)},
    {"springgreen", Rgb(0, 255, 127)},
    {"steelblue", Rgb(70, 130, 180)},
    {"tan", Rgb(210, 180, 140)},
    {"teal", Rgb(0, 128, 128)},
    {"thistle", Rgb(216, 191, 216)},
    {"tomato", Rgb(255, 99, 71)},
    {"turquoise", Rgb(64, 224, 208)},
    {"violet", Rgb(238, 130, 238)},
    {"wheat", Rgb(245, 222, 179)},
    {"white", Rgb(255, 255, 255)},
    {"whitesmoke", Rgb(245, 245, 245)},
    {"yellow", Rgb(255, 255, 0)},
    {"yellowgreen", Rgb(154, 205, 50)},
};
static_assert(std::size(kKeywords) == 147, "the SVG colour keyword list");

constexpr size_t kLongestKeyword = 20;  // "lightgoldenrodyellow"

}  // namespace

bool LookupColorKeyword(std::string_view name, uint32_t& rgb) {
    if (name.empty() || name.size() > kLongestKeyword) return false;
    char lower[kLongestKeyword];
    for (size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        lower[i] = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
    }
    const std::string_view key(lower, name.size());
    const auto it = std::lower_bound(std::begin(kKeywords), std::end(kKeywords), key,
                                     [](const ColorKeyword& k, std::string_view n) { return k.name < n; });
    if (it == std::end(kKeywords) || it->name != key) return false;
    rgb = it->rgb;
    return true;
}

}  // namespace vx
