// The browser reading end to end: SVG text in, DXF entities out, grouped by
// concern (cascade, transforms, fill rule, units, layers and colours, limits).
#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/convert_fixture.h"
#include "tests/support/dxf_groups.h"
#include "tests/support/image_files.h"
#include "tests/support/recorders.h"

namespace {

using vxtest::Entity;

std::string Browser(const std::string& body, const std::string& root = "viewBox=\"0 0 100 100\"",
                    bool fill = true) {
    CSvgConverter converter;
    CConvertOptions chosen = converter.Options();
    chosen.fillOption = fill ? 1 : 0;
    chosen.svgRules = SvgRules::Browser;
    converter.SetOptions(chosen);
    const std::string dxf = vxtest::ConvertSvg(
        converter, "<svg xmlns=\"http://www.w3.org/2000/svg\" " + root + ">" + body + "</svg>",
        "browser");
    vxtest::ExpectOnlyFiniteReals(converter);
    return dxf;
}

std::string Types(const std::string& dxf) {
    std::string types;
    for (const Entity& entity : vxtest::EntitiesOf(dxf)) types += (types.empty() ? "" : " ") + entity.type;
    return types;
}

// The vertices of an LWPOLYLINE as "x,y" pairs rounded to 0.001.
std::string Vertices(const Entity& polyline) {
    const auto xs = polyline.Reals(10), ys = polyline.Reals(20);
    std::string text;
    for (size_t i = 0; i < xs.size(); ++i) {
        char pair[64];
        std::snprintf(pair, sizeof pair, "%s%g,%g", i ? " " : "", std::round(xs[i] * 1000) / 1000,
                      std::round(ys[i] * 1000) / 1000 + 0.0);
        text += pair;
    }
    return text;
}

struct CCascadeCase {
    const char* what;
    const char* body;
    const char* types;  // the entities written, in order
    int color;          // group 62 of the first, -1 to skip
};

// Entities and colours follow the style a browser computes.
TEST(BrowserCascade, WhatIsDrawnAndInWhichColour) {
    const CCascadeCase cases[] = {
        {"initial fill is black, stroke none", "<rect width='10' height='10'/>", "HATCH", 7},
        {"class rule over presentation attribute",
         "<style>.r{fill:#f00}</style><rect class='r' fill='blue' width='10' height='10'/>", "HATCH", 1},
        {"style attribute over id rule",
         "<style>#a{fill:blue}</style><rect id='a' style='fill:lime' width='10' height='10'/>", "HATCH", 3},
        {"important rule over style attribute",
         "<style>rect{fill:blue!important}</style><rect style='fill:red' width='10' height='10'/>",
         "HATCH", 5},
        {"stroke inherited from the group",
         "<g stroke='red' fill='none'><path d='M0 0L10 10'/></g>", "LWPOLYLINE", 1},
        {"currentColor takes color", "<g color='blue'><rect fill='currentColor' width='9' height='9'/></g>",
         "HATCH", 5},
        {"display none hides the subtree", "<g style='display:none'><rect width='9' height='9'/></g>", "", -1},
        {"a switch draws the first child it can",
         "<switch><foreignObject requiredExtensions='http://www.w3.org/1999/xhtml'/>"
         "<rect requiredExtensions='x' width='9' height='9'/><rect fill='red' width='9' height='9'/>"
         "<circle r='4'/></switch>",
         "HATCH", 1},
        {"visibility hidden hides the shape", "<rect visibility='hidden' width='9' height='9'/>", "", -1},
        {"zero opacity hides the group", "<g opacity='0'><rect width='9' height='9'/></g>", "", -1},
        {"fill and stroke none draw nothing", "<circle r='5' fill='none'/>", "", -1},
        {"gradient fills with its mean stop colour",
         "<linearGradient id='g'><stop stop-color='#f00'/><stop offset='1' stop-color='#f00'/>"
         "</linearGradient><rect fill='url(#g)' width='9' height='9'/>", "HATCH", 1},
        {"use of a plain group", "<defs><g id='p'><rect width='2' height='2'/></g></defs>"
         "<use href='#p' x='5'/><use xlink:href='#p' x='10'/>", "HATCH HATCH", 7},
        {"a use cycle draws what it can and stops",
         "<g id='a'><rect width='2' height='2'/><use href='#a'/></g>", "HATCH", -1},
        {"text takes its fill", "<text x='1' y='9' fill='red'>Hi</text>", "TEXT", 1},
    };
    for (const CCascadeCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string dxf = Browser(c.body);
        EXPECT_EQ(Types(dxf), c.types);
        if (c.color >= 0 && !vxtest::EntitiesOf(dxf).empty()) {
            EXPECT_EQ(vxtest::EntitiesOf(dxf)[0].Int(62), c.color);
        }
    }
}

TEST(BrowserTransforms, ShapesFollowTheWholeTransformList) {
    const std::string rotated =
        Browser("<rect transform='translate(50 50) rotate(90)' width='10' height='4' fill='none' "
                "stroke='black'/>");
    const auto polylines = vxtest::EntitiesOf(rotated, "LWPOLYLINE");
    ASSERT_EQ(polylines.size(), 1u);
    // y flips at the viewBox height: (0,0) (0,10) (-4,10) (-4,0) around (50,50).
    EXPECT_EQ(Vertices(polylines[0]), "50,50 50,40 46,40 46,50");
    EXPECT_EQ(polylines[0].Int(70) & 1, 1);

    const auto ellipses = vxtest::EntitiesOf(
        Browser("<circle transform='rotate(30) scale(2 1)' r='5' fill='none' stroke='red'/>"), "ELLIPSE");
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_NEAR(std::hypot(ellipses[0].Real(11), ellipses[0].Real(21)), 10, 1e-9);
    EXPECT_NEAR(std::atan2(ellipses[0].Real(21), ellipses[0].Real(11)) * 180 / M_PI, -30, 1e-9);
    EXPECT_NEAR(ellipses[0].Real(40), 0.5, 1e-9);
    // Flatter than readers accept: written at the smallest ratio they take.
    const auto flat = vxtest::EntitiesOf(
        Browser("<ellipse rx='50' ry='1e-9' fill='red' stroke='red'/>"), "ELLIPSE");
    ASSERT_EQ(flat.size(), 1u);
    EXPECT_EQ(flat[0].Real(40), 1e-6);

    // A nested svg maps its viewBox onto its area; a symbol onto the use's.
    const std::string nested =
        Browser("<svg x='10' y='10' width='20' height='20' viewBox='0 0 2 2'>"
                "<path d='M0 0H2' stroke='red'/></svg><symbol id='s' viewBox='0 0 1 1'>"
                "<path d='M0 0H1' stroke='red'/></symbol><use href='#s' x='50' width='10' height='10'/>");
    const auto lines = vxtest::EntitiesOf(nested, "LWPOLYLINE");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Vertices(lines[0]), "10,90 30,90");
    EXPECT_EQ(Vertices(lines[1]), "50,100 60,100");
}

TEST(BrowserFillRule, NonzeroUnitesOverlapsEvenOddKeepsLoops) {
    const std::string two = "M0 0H10V10H0Z M5 5H15V15H5Z";
    const std::string hole = "M0 0H10V10H0Z M2 2V8H8V2Z";  // the inner loop runs the other way
    const struct {
        std::string d, rule;
        int loops;
    } cases[] = {{two, "nonzero", 1}, {two, "evenodd", 2}, {hole, "nonzero", 2}, {hole, "evenodd", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.d + " " + c.rule);
        const auto hatches =
            vxtest::EntitiesOf(Browser("<path fill-rule='" + c.rule + "' d='" + c.d + "'/>"), "HATCH");
        ASSERT_EQ(hatches.size(), 1u);
        EXPECT_EQ(hatches[0].Int(91), c.loops);
    }
    // Without hatch fills a fill becomes an outline in the fill colour.
    EXPECT_EQ(Types(Browser("<path fill='red' d='" + two + "'/>", "viewBox='0 0 20 20'", false)),
              "LWPOLYLINE LWPOLYLINE");
}

// A picture of one pixel over a 40 x 20 area: it keeps its aspect ratio
// where preserveAspectRatio says, and none stretches it.
TEST(BrowserImages, PicturesFitAsPreserveAspectRatioSays) {
    const struct {
        const char* fit;
        double cornerX, pixelWidth;  // group 10, and group 11 (drawing units per pixel)
    } cases[] = {{"", 10, 20}, {"xMinYMid meet", 0, 20}, {"xMaxYMax", 20, 20}, {"none", 0, 40}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fit);
        const std::string image = std::string("<image width='40' height='20' preserveAspectRatio='") + c.fit +
                                  "' href='data:image/png;base64," + vxtest::kTinyPngBase64 + "'/>";
        const auto images = vxtest::EntitiesOf(Browser(image), "IMAGE");
        ASSERT_EQ(images.size(), 1u);
        EXPECT_DOUBLE_EQ(images[0].Real(10), c.cornerX);
        EXPECT_DOUBLE_EQ(images[0].Real(11), c.pixelWidth);
    }
}

TEST(BrowserUnits, AnAbsoluteRootSizeGivesMillimetres) {
    const std::string body = "<path d='M0 0H200' stroke='red'/>";
    const std::string mm = Browser(body, "width='100mm' height='50mm' viewBox='0 0 200 100'");
    EXPECT_NE(mm.find("$INSUNITS\n 70\n4\n"), std::string::npos);
    const auto line = vxtest::EntitiesOf(mm, "LWPOLYLINE");
    ASSERT_EQ(line.size(), 1u);
    EXPECT_EQ(Vertices(line[0]), "0,50 100,50");
    const std::string inches = Browser(body, "width='1in' height='1in'");
    EXPECT_EQ(Vertices(vxtest::EntitiesOf(inches, "LWPOLYLINE").at(0)), "0,25.4 52.917,25.4");
    // Without units coordinates stay user units and the header says nothing.
    const std::string plain = Browser(body, "width='100' height='50' viewBox='0 0 200 100'");
    EXPECT_EQ(plain.find("$INSUNITS"), std::string::npos);
    EXPECT_EQ(Vertices(vxtest::EntitiesOf(plain, "LWPOLYLINE").at(0)), "0,100 200,100");
}

TEST(BrowserLayersAndColours, InkscapeLabelsNameLayersAndGreysStayGrey) {
    const std::string dxf = Browser(
        "<g id='layer1' inkscape:groupmode='layer' inkscape:label='Cut lines' "
        "xmlns:inkscape='http://www.inkscape.org/namespaces/inkscape'>"
        "<g id='inner'><rect fill='#404040' width='5' height='5'/></g>"
        "<rect fill='#000' width='5' height='5'/></g>");
    const auto hatches = vxtest::EntitiesOf(dxf, "HATCH");
    ASSERT_EQ(hatches.size(), 2u);
    EXPECT_EQ(hatches[0].Str(8), "inner");
    EXPECT_EQ(hatches[1].Str(8), "Cut lines");
    EXPECT_TRUE(hatches[0].Int(62) >= 250 || hatches[0].Int(62) == 8) << hatches[0].Int(62);
    EXPECT_EQ(hatches[1].Int(62), 7);
    // A flag's black trigrams on its white field stay apart: white is 255.
    const auto flag = vxtest::EntitiesOf(Browser("<rect fill='#fff' width='30' height='20'/>"
                                                 "<rect fill='#000' x='2' y='2' width='6' height='2'/>"),
                                         "HATCH");
    ASSERT_EQ(flag.size(), 2u);
    EXPECT_EQ(flag[0].Int(62), 255);
    EXPECT_EQ(flag[1].Int(62), 7);
    std::string layers;
    for (const Entity& layer : vxtest::TableEntries(dxf, "LAYER")) layers += layer.Str(2) + ";";
    EXPECT_NE(layers.find("Cut lines;"), std::string::npos);
}

// A clip path cuts fills to its area and strokes to their pieces inside it, in
// the user space of the element that names it. A hatch lists its elevation
// point, then where each edge starts.
TEST(BrowserClipPaths, WhatIsDrawnIsCutToTheClipArea) {
    const std::string clips =
        "<clipPath id='left'><rect width='50' height='100'/></clipPath>"
        "<clipPath id='top'><rect width='100' height='30'/></clipPath>"
        "<clipPath id='box' clipPathUnits='objectBoundingBox'><rect width='.5' height='1'/></clipPath>"
        "<clipPath id='ring'><path clip-rule='evenodd' d='M0 0H100V100H0Z M25 25H75V75H25Z'/></clipPath>"
        "<clipPath id='hidden'><rect width='100' height='100' display='none'/></clipPath>"
        "<rect id='r' width='50' height='100'/><clipPath id='used'><use href='#r' x='10'/></clipPath>";
    const std::string across = "d='M10 50H90' stroke='red' ";
    const struct {
        const char* what;
        std::string body;
        const char* types;
        const char* vertices;  // of the first entity
    } cases[] = {
        {"a stroke ends at the edge", "<path " + across + "clip-path='url(#left)'/>", "LWPOLYLINE",
         "10,50 50,50"},
        {"a fill is cut to the area", "<rect x='10' y='10' width='80' height='20' clip-path='url(#left)'/>",
         "HATCH", "0,0 50,90 10,90 10,70 50,70"},
        {"a circle inside stays an ellipse",
         "<circle cx='20' cy='50' r='5' fill='none' stroke='red' clip-path='url(#left)'/>", "ELLIPSE", ""},
        {"the clip takes the element's transform",
         "<path transform='translate(20 0)' " + across + "clip-path='url(#left)'/>", "LWPOLYLINE",
         "30,50 70,50"},
        {"a group's clip meets its children's",
         "<g clip-path='url(#left)'><path d='M10 10H90' stroke='red' clip-path='url(#top)'/>"
         "<path " + across + "clip-path='url(#top)'/></g>",
         "LWPOLYLINE", "10,90 50,90"},
        {"clip-rule evenodd leaves a hole", "<path d='M0 50H100' stroke='red' clip-path='url(#ring)'/>",
         "LWPOLYLINE LWPOLYLINE", ""},
        {"units of the element's box", "<path d='M20 40H60V60' fill='none' stroke='red' clip-path='url(#box)'/>",
         "LWPOLYLINE", "20,60 40,60"},
        {"a use of a shape", "<path " + across + "clip-path='url(#used)'/>", "LWPOLYLINE", "10,50 60,50"},
        {"a reference to nothing clips nothing", "<path " + across + "clip-path='url(#gone)'/>",
         "LWPOLYLINE", "10,50 90,50"},
        {"a clip path without a shown shape hides all", "<path " + across + "clip-path='url(#hidden)'/>",
         "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string dxf = Browser("<defs>" + clips + "</defs>" + c.body);
        EXPECT_EQ(Types(dxf), c.types);
        if (*c.vertices) {
            EXPECT_EQ(Vertices(vxtest::EntitiesOf(dxf).at(0)), c.vertices);
        }
    }
}

// Masks, filters and clips the walk cannot apply draw the element whole, and say so.
TEST(BrowserClipPaths, WhatIsNotAppliedIsReported) {
    CSvgConverter converter;
    CConvertOptions chosen = converter.Options();
    chosen.svgRules = SvgRules::Browser;
    converter.SetOptions(chosen);
    vxtest::RecordingMessages messages;
    converter.SetMessageSink(&messages);
    const std::string dxf = vxtest::ConvertSvg(
        converter,
        "<svg><g mask='url(#m)' filter='url(#f)'><path d='M0 0H9' stroke='red'/></g>"
        "<path d='M0 5H9' stroke='red' style='clip-path: inset(1px)'/>"
        "<clipPath id='t'><rect width='1' height='1'/><text>Cut</text></clipPath>"
        "<path d='M0 7H9' stroke='red' clip-path='url(#t)'/>"
        "<text><textPath href='#p'>along</textPath></text><text>A<tspan><textPath>b</textPath></tspan></text></svg>");
    EXPECT_EQ(Types(dxf), "LWPOLYLINE LWPOLYLINE LWPOLYLINE TEXT");
    EXPECT_EQ(messages.messages,
              (std::vector<std::string>{
                  "clip paths not applied to 2 elements (a shape function, text in a clip path, or "
                  "the box of a group, text or picture): drawn whole",
                  "masks are not read: 1 element drawn unmasked",
                  "text along a path is not read: 2 textPaths left out",
                  "filters are not read: 1 element drawn unfiltered"}));
}

// Markers "a" and "r" are a 4-unit tick along the marker's x axis, drawn
// whole as their overflow is visible; "v" fits a viewBox tick ending on its
// reference point to 0.2 of the stroke width; "c" is a tick from -2 to 2 cut
// by its 3 x 3 viewport.
const char kMarkers[] =
    "<defs><g stroke='red'><marker id='a' markerUnits='userSpaceOnUse' orient='auto' "
    "overflow='visible'><path d='M0 0H4'/></marker></g>"
    "<marker id='r' markerUnits='userSpaceOnUse' orient='auto-start-reverse' style='overflow:visible'>"
    "<path d='M0 0H4' stroke='red'/></marker>"
    "<marker id='v' viewBox='0 0 10 10' markerWidth='2' markerHeight='2' refX='10' refY='5' "
    "orient='90deg'><path d='M0 5H10' stroke='red'/></marker>"
    "<marker id='c' markerUnits='userSpaceOnUse'><path d='M-2 1H2' stroke='red'/></marker>"
    "<marker id='self' markerUnits='userSpaceOnUse' overflow='visible'><path d='M0 0H4' "
    "stroke='red' marker-end='url(#self)'/></marker>"
    "<marker id='none' markerWidth='0'><path d='M0 0H4' stroke='red'/></marker></defs>";

struct CMarkerCase {
    const char* what;
    const char* body;     // after kMarkers; the shapes themselves paint nothing
    const char* ticks;    // every LWPOLYLINE drawn, " | " between them (y flipped at 100)
};

// Where each marker lands and which way it points.
TEST(BrowserMarkers, MarkersStandOnVerticesTurnedAsOrientSays) {
    const CMarkerCase cases[] = {
        {"line start and end along the line",
         "<line x1='10' y1='10' x2='50' y2='10' marker-start='url(#a)' marker-end='url(#a)'/>",
         "10,90 14,90 | 50,90 54,90"},
        {"auto-start-reverse turns the start only",
         "<line x1='10' y1='10' x2='50' y2='10' marker-start='url(#r)' marker-end='url(#r)'/>",
         "10,90 6,90 | 50,90 54,90"},
        {"mid vertex on the bisector",
         "<polyline fill='none' points='0,0 10,0 10,10' marker-mid='url(#a)'/>", "10,100 12.828,97.172"},
        {"a closed polygon's return point bisects closing and first side",
         "<polygon fill='none' points='10,10 30,10 30,30' marker-end='url(#a)'/>",
         "10,90 11.531,93.696"},
        {"a polygon's vertices and its return point",
         "<polygon fill='none' points='10,10 30,10 30,30' style='marker:url(#a);marker-start:none'/>",
         "30,90 32.828,87.172 | 30,70 26.304,68.469 | 10,90 11.531,93.696"},
        {"cubic ends take their control points' directions, not the flattened points'",
         "<path fill='none' d='M10 50 C10 40 30 40 30 50' marker-start='url(#a)' marker-end='url(#a)'/>",
         "10,50 10,54 | 30,50 30,46"},
        {"arc ends take the arc's tangents",
         "<path fill='none' d='M10 50 A10 10 0 0 1 30 50' marker-start='url(#a)' marker-end='url(#a)'/>",
         "10,50 10,54 | 30,50 30,46"},
        {"every subpath's ends are vertices",
         "<path fill='none' d='M0 0H10M20 0V10' marker-mid='url(#a)'/>",
         "10,100 14,100 | 20,100 20,96"},
        {"fixed angle, viewBox, reference point and stroke width",
         "<line x1='10' y1='10' x2='50' y2='10' stroke-width='3' marker-end='url(#v)'/>",
         "50,96 50,90"},
        {"the viewport clips what overflows",
         "<line x1='10' y1='10' x2='50' y2='10' marker-end='url(#c)'/>", "50,89 52,89"},
        {"the shape's transform carries its markers",
         "<line transform='translate(5 5) scale(2)' x2='10' marker-end='url(#a)'/>", "25,95 33,95"},
        {"marker properties are inherited",
         "<g marker-end='url(#a)'><path fill='none' d='M0 0H10'/></g>", "10,100 14,100"},
        {"the shorthand from a style sheet",
         "<style>path{marker:url(#a)}</style><path fill='none' d='M0 0H10'/>",
         "0,100 4,100 | 10,100 14,100"},
        {"a marker in its own content is drawn once",
         "<path fill='none' d='M0 0H10' marker-end='url(#self)'/>", "10,100 14,100"},
        {"marker is no presentation attribute",
         "<path fill='none' d='M0 0H10' marker='url(#a)'/>", ""},
        {"a use of the marked shape in its marker draws the shape, not its markers again",
         "<marker id='u' markerUnits='userSpaceOnUse' overflow='auto'><path d='M0 0H4' stroke='red'/><use href='#p'/>"
         "</marker><path id='p' fill='none' stroke='blue' d='M0 0H10' marker-end='url(#u)'/>",
         "0,100 10,100 | 10,100 14,100 | 10,100 20,100"},
        {"zero markerWidth draws nothing", "<path fill='none' d='M0 0H10' marker-end='url(#none)'/>", ""},
        {"rectangles take no markers", "<rect fill='none' width='9' height='9' marker-end='url(#a)'/>", ""},
        {"a hidden shape hides its markers",
         "<path fill='none' visibility='hidden' d='M0 0H10' marker-end='url(#a)'/>", ""},
        {"a reference to anything but a marker", "<path fill='none' d='M0 0H10' marker-end='url(#v2)'/>"
         "<g id='v2'/>", ""},
    };
    for (const CMarkerCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string dxf = Browser(std::string(kMarkers) + c.body);
        std::string ticks;
        for (const Entity& tick : vxtest::EntitiesOf(dxf, "LWPOLYLINE"))
            ticks += (ticks.empty() ? "" : " | ") + Vertices(tick);
        EXPECT_EQ(ticks, c.ticks);
        EXPECT_EQ(Types(dxf).find("HATCH"), std::string::npos);
    }
}

// A marker's content takes its style from where the marker stands, not from
// the shape; it lands on the shape's layer.
TEST(BrowserMarkers, ContentStyleComesFromTheMarkersPlace) {
    const std::string dxf = Browser(std::string(kMarkers) +
                                    "<style>#parts path{stroke:lime}</style><g id='parts' stroke='blue'>"
                                    "<path fill='none' stroke-width='2' d='M0 0H10' marker-end='url(#a)'/></g>");
    const auto lines = vxtest::EntitiesOf(dxf, "LWPOLYLINE");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Int(62), 3);
    EXPECT_EQ(lines[1].Int(62), 1);
    EXPECT_EQ(lines[1].Str(8), "parts");
    EXPECT_EQ(Vertices(lines[1]), "10,100 14,100");
}

std::string NestedUses() {
    // Ten levels of ten uses: 10^10 rectangles.
    std::string defs = "<defs><rect id='l0' width='1' height='1' fill='none'/>";
    for (int level = 1; level <= 10; ++level) {
        defs += "<g id='l" + std::to_string(level) + "'>";
        for (int i = 0; i < 10; ++i) defs += "<use href='#l" + std::to_string(level - 1) + "'/>";
        defs += "</g>";
    }
    return defs + "</defs><use href='#l10'/>";
}

std::string MarkedVertices() {
    // 20000 vertices, each with a marker of 300 rectangles.
    std::string body = "<marker id='m'>";
    for (int i = 0; i < 300; ++i) body += "<rect width='1' height='1' fill='none'/>";
    body += "</marker><polyline marker-mid='url(#m)' points='";
    for (int i = 0; i < 20000; ++i) body += std::to_string(i % 100) + "," + std::to_string(i / 100) + " ";
    return body + "'/>";
}

TEST(BrowserLimits, DrawingsThatExpandBeyondTheLimitFail) {
    for (const std::string& body : {NestedUses(), MarkedVertices()}) {
        CSvgConverter converter;
        CConvertOptions chosen = converter.Options();
        chosen.svgRules = SvgRules::Browser;
        converter.SetOptions(chosen);
        EXPECT_EQ(vxtest::ConvertSvg(converter, "<svg>" + body + "</svg>"), "");
        EXPECT_NE(converter.FailureReason().find("work limit"), std::string::npos);
    }
}

}  // namespace

// A stroke's dash array makes its line type wherever it is given, and its
// offset turns the pattern so that it starts where a browser's does.
TEST(BrowserDashes, EverySourceMakesALineTypeAndTheOffsetTurnsIt) {
    const struct {
        const char* what;
        const char* body;
        const char* pattern;  // the LTYPE's lengths, dashes positive, gaps negative
        double scale = 1;     // the entity's line type scale: user units into drawing units
    } cases[] = {
        {"attribute", "<path d='M0 0H9' stroke='red' stroke-dasharray='6 3'/>", "6 -3"},
        {"inherited from a group", "<g stroke-dasharray='5,5'><path d='M0 0H9' stroke='red'/></g>", "5 -5"},
        {"style sheet", "<style>.d{stroke-dasharray:4 1}</style><path class='d' d='M0 0H9' stroke='red'/>",
         "4 -1"},
        {"odd list, repeated", "<path d='M0 0H9' stroke='red' stroke-dasharray='2'/>", "2 -2"},
        {"offset inside a dash", "<path d='M0 0H9' stroke='red' stroke-dasharray='6 3' stroke-dashoffset='2'/>",
         "4 -3 2 0"},
        {"offset inside a gap, inherited",
         "<g stroke-dashoffset='7px'><path d='M0 0H9' stroke='red' stroke-dasharray='6 3'/></g>", "0 -2 6 -1"},
        {"negative offset", "<path d='M0 0H9' stroke='red' stroke-dasharray='6 3' stroke-dashoffset='-1'/>",
         "0 -1 6 -2"},
        {"none", "<path d='M0 0H9' stroke='red' stroke-dasharray='none'/>", ""},
        {"scaled with its element",
         "<g transform='scale(2)'><path d='M0 0H9' stroke='red' stroke-dasharray='6 3'/></g>", "6 -3", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string dxf = Browser(c.body);
        const auto lines = vxtest::EntitiesOf(dxf, "LWPOLYLINE");
        ASSERT_EQ(lines.size(), 1u);
        std::string pattern;
        for (const Entity& type : vxtest::TableEntries(dxf, "LTYPE")) {
            if (type.Str(2) != lines[0].Str(6)) continue;
            for (double length : type.Reals(49)) {
                char number[32];
                std::snprintf(number, sizeof number, "%s%g", pattern.empty() ? "" : " ",
                              length == 0 ? 0.0 : length);
                pattern += number;
            }
        }
        EXPECT_EQ(pattern, c.pattern) << lines[0].Str(6);
        EXPECT_DOUBLE_EQ(lines[0].Real(48), c.scale);
    }
}

// A text's runs follow one another on its line: a tspan without a position
// starts where the text before it ends (0.6 of the font size per character),
// one with x, y, dx or dy is placed there.
TEST(BrowserText, RunsFollowEachOtherAndPlacedSpansStandWhereTheySay) {
    const struct {
        const char* what;
        const char* body;
        const char* runs;  // "text@x,y" of each TEXT, in order
    } cases[] = {
        {"a span between two runs",
         "<text x='10' y='30' font-size='10'>Rotated <tspan fill='red'>red bold</tspan> tail</text>",
         "Rotated@10,70 red bold@58,70 tail@112,70"},
        {"spans placed and shifted",
         "<text x='10' y='60' font-size='10'>A<tspan x='100' y='70'>placed</tspan>"
         "<tspan dx='5' dy='-2'>shifted</tspan></text>",
         "A@10,40 placed@100,30 shifted@141,32"},
        {"a nested span continues its parent's run",
         "<text x='0' y='50' font-size='10'><tspan>ab<tspan>cd</tspan></tspan>ef</text>",
         "ab@0,50 cd@12,50 ef@24,50"},
        {"one run keeps its anchor", "<text x='50' y='50' text-anchor='middle' dx='1'>Mid</text>",
         "Mid@51,50"},
        {"character references are shown decoded", "<text x='0' y='50' font-size='10'>R&amp;D</text>",
         "R&D@0,50"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string runs;
        for (const Entity& text : vxtest::EntitiesOf(Browser(c.body), "TEXT")) {
            const bool aligned = text.Has(11);  // an anchored text stands at its alignment point
            char run[96];
            std::snprintf(run, sizeof run, "%s%s@%g,%g", runs.empty() ? "" : " ", text.Str(1).c_str(),
                          text.Real(aligned ? 11 : 10), text.Real(aligned ? 21 : 20));
            runs += run;
        }
        EXPECT_EQ(runs, c.runs);
    }
}
