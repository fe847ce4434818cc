#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "resolve/computed_style.h"
#include "resolve/style_sheet.h"
#include "xml/xml_node.h"
#include "xml/xml_parser.h"

namespace {

using vx::CComputedStyle;
using vx::CssProperty;

// Calls visit(element, ancestors, parent style) for every element in document order.
using Visit = std::function<void(const CXML&, const std::vector<const CXML*>&, const CComputedStyle&)>;
void Walk(const CXML& element, std::vector<const CXML*>& ancestors, const CComputedStyle& parent,
          const vx::CStyleSheet& sheet, const Visit& visit) {
    visit(element, ancestors, parent);
    const CComputedStyle style = vx::ComputeStyle(element, ancestors, parent, sheet);
    ancestors.push_back(&element);
    for (const CXML* child : element.Children()) Walk(*child, ancestors, style, sheet, visit);
    ancestors.pop_back();
}

struct Document {
    explicit Document(const std::string& body) {
        EXPECT_TRUE(LoadXml(root, "<svg id=\"root\">" + body + "</svg>", "svg", nullptr));
        sheet.AddStyleElements(root);
    }
    void Walk(const Visit& visit) const {
        std::vector<const CXML*> ancestors;
        ::Walk(root, ancestors, CComputedStyle::Initial(), sheet, visit);
    }
    CXML root;
    vx::CStyleSheet sheet;
};

// The ids of the elements a rule with this selector applies to, in document order.
std::string Matching(const std::string& selector) {
    Document d("<g id=\"g1\" class=\"a b\"><rect id=\"r1\" class=\"a x\" data-k=\"v\"/>"
               "<g id=\"g2\"><svg:rect id=\"r2\" class=\" x  x\"/></g></g><circle id=\"c1\"/>");
    d.sheet.Add(selector + " { fill: red }");
    std::string ids;
    d.Walk([&](const CXML& e, const std::vector<const CXML*>& ancestors, const CComputedStyle&) {
        std::vector<const vx::CCssDeclaration*> found;
        d.sheet.Match(e, ancestors, found);
        if (!found.empty()) ids += (ids.empty() ? "" : " ") + *e.FindAttribute("id");
    });
    return ids;
}

TEST(StyleSheet, SelectorsMatchAsInABrowser) {
    const struct { const char* selector; const char* ids; } rows[] = {
        {"rect", "r1 r2"},              // svg:rect is a rect
        {"RECT", ""},                   // type selectors keep their case
        {"*", "root g1 r1 g2 r2 c1"},
        {".a", "g1 r1"},
        {".a.x", "r1"},
        {".x", "r1 r2"},                // class lists split on any blank, repeats harmless
        {"#r1", "r1"},
        {"rect.a#r1", "r1"},
        {"#r1#r2", ""},
        {"[data-k]", "r1"},
        {"[data-k=v]", "r1"},
        {"[ data-k = 'w' ]", ""},
        {":root", "root"},
        {":root > g", "g1"},
        {"g rect", "r1 r2"},
        {"svg > g > rect", "r1"},
        {"g > g > rect", "r2"},
        {"g > g > g > rect", ""},
        {"svg > g .x", "r1 r2"},        // the chain fits only one level further up
        {".a > g rect", "r2"},
        {"circle, .x", "r1 r2 c1"},
        {"rect:hover,, circle", "c1"},  // unusable members drop out alone
        {"g + circle", ""},
        {"g ~ circle", ""},
        {"rect::before", ""},
        {"svg|rect", ""},
        {"svg:rect", ""},
        {"#1x", ""},
        {"1x", ""},
        {"g -2", ""},
        {".a\\:b", ""},
        {"[data-k^=v]", ""},
        // A descendant combinator looks above the element, never at it.
        {".a .a", "r1"},
        {"g g", "g2"},
        {"g > g g", ""},
    };
    for (const auto& row : rows) EXPECT_EQ(Matching(row.selector), row.ids) << row.selector;
}

std::string Declared(const std::string& block) {
    std::vector<vx::CCssDeclaration> found;
    vx::ParseDeclarations(block, found);
    std::string text;
    for (const auto& d : found)
        text += std::string(vx::CssPropertyName(d.property)) + "=" + d.value + (d.important ? "!" : "") + ";";
    return text;
}

TEST(StyleSheet, DeclarationBlocksKeepWhatIsReadable) {
    const struct { const char* block; const char* declared; } rows[] = {
        {"fill: red; stroke : #00f !important", "fill=red;stroke=#00f!;"},
        {"  FILL:red;;stroke-width:2px;  ", "fill=red;stroke-width=2px;"},
        {"fill:red!IMPORTANT;opacity:.5 ! important", "fill=red!;opacity=.5!;"},
        {"/* a; b */fill:/**/blue", "fill=blue;"},
        {"fill:red; /* unterminated", "fill=red;"},
        {"nonsense; fill; :red; margin:0; fill:lime", "fill=lime;"},
        {"fill:url(data:a;b); stroke:none", "fill=url(data:a;b);stroke=none;"},
        {"font-family:'a\n;fill:red", "font-family='a;fill=red;"},  // a line ends an open string
        {"font-family:'a;b', serif;color:red", "font-family='a;b', serif;color=red;"},
        {"fill-rule:bogus; stroke-linecap:Round; opacity:half", "stroke-linecap=Round;"},
        {"marker:url(#m)", "marker-start=url(#m);marker-mid=url(#m);marker-end=url(#m);"},
        {"fill: !important; stroke:", ""},
    };
    for (const auto& row : rows) EXPECT_EQ(Declared(row.block), row.declared) << row.block;
}

// The computed value of one property on the element with id "t".
std::string Computed(const std::string& body, CssProperty property) {
    Document d(body);
    std::string value = "<no t>";
    d.Walk([&](const CXML& e, const std::vector<const CXML*>& ancestors, const CComputedStyle& parent) {
        const std::string* id = e.FindAttribute("id");
        if (id && *id == "t") value = vx::ComputeStyle(e, ancestors, parent, d.sheet).Get(property);
    });
    return value;
}

TEST(ComputedStyle, CascadeInheritanceAndKeywords) {
    const auto F = CssProperty::Fill;
    const struct { const char* body; CssProperty property; const char* value; } rows[] = {
        {"<rect id='t'/>", F, "black"},
        {"<rect id='t' fill=' red '/>", F, "red"},
        {"<style>rect{fill:blue}</style><rect id='t' fill='red'/>", F, "blue"},
        {"<style>rect{fill:blue}</style><rect id='t' style='fill:green'/>", F, "green"},
        {"<style>rect{fill:blue!important}</style><rect id='t' style='fill:green'/>", F, "blue"},
        {"<style>rect{fill:blue!important}</style><rect id='t' style='fill:lime!important'/>", F, "lime"},
        {"<style>#t{fill:blue} rect.a{fill:red} rect{fill:lime}</style><rect id='t' class='a'/>", F, "blue"},
        {"<style>.a{fill:red} .b{fill:blue}</style><rect id='t' class='b a'/>", F, "blue"},
        {"<style>.b{fill:blue}</style><style>.a{fill:red}</style><rect id='t' class='b a'/>", F, "red"},
        {"<style>rect{fill:red;fill:blue}</style><rect id='t'/>", F, "blue"},
        {"<style>:root rect{fill:red} g g rect{fill:blue}</style><g><g><rect id='t'/></g></g>", F, "red"},
        {"<style>[id]{fill:red} g rect{fill:blue}</style><g><rect id='t'/></g>", F, "red"},
        {"<style>.a{fill:red!important} #t{fill:blue}</style><rect id='t' class='a'/>", F, "red"},
        {"<style>#t{fill:blue!important} rect{fill:red!important}</style><rect id='t'/>", F, "blue"},
        {"<rect id='t' fill='red !important'/>", F, "black"},  // no important attributes
        {"<rect id='t' fill-rule='evenodd' style='fill-rule:bogus'/>", CssProperty::FillRule, "evenodd"},
        {"<rect id='t' fill='&#x72;ed'/>", F, "red"},
        {"<rect id='t' style='font-family:&quot;A;B&quot;;fill:red'/>", F, "red"},
        {"<g fill='red'><rect id='t'/></g>", F, "red"},
        {"<g fill='red'><rect id='t' fill='initial'/></g>", F, "black"},
        {"<g fill='red'><rect id='t' style='fill:unset'/></g>", F, "red"},
        {"<g opacity='.5'><rect id='t'/></g>", CssProperty::Opacity, "1"},
        {"<g opacity='.5'><rect id='t' style='opacity:unset'/></g>", CssProperty::Opacity, "1"},
        {"<g visibility='hidden'><rect id='t' visibility='bogus'/></g>", CssProperty::Visibility, "hidden"},
        {"<g opacity='.5'><rect id='t' opacity='inherit'/></g>", CssProperty::Opacity, ".5"},
        {"<g display='none'><rect id='t'/></g>", CssProperty::Display, "inline"},
        {"<g color='red'><rect id='t' stroke='CurrentColor'/></g>", CssProperty::Stroke, "red"},
        {"<g color='red'><rect id='t' style='color:currentColor'/></g>", CssProperty::Color, "red"},
        // An inherited currentColor takes the child's own color.
        {"<g color='red' fill='currentColor'><rect id='t' color='blue'/></g>", F, "blue"},
        {"<g font-size='20'><text id='t' font-size='1.5em'/></g>", CssProperty::FontSize, "30"},
        {"<g font-size='20px'><g font-size='50%'><text id='t'/></g></g>", CssProperty::FontSize, "10"},
        {"<g font-size='12pt'><text id='t' font-size='smaller'/></g>", CssProperty::FontSize,
         "13.333333333333334"},
        {"<g font-size='4mm'><text id='t' font-size='x-large'/></g>", CssProperty::FontSize, "24"},
        {"<g font-size='2rem'><text id='t' font-size='2em'/></g>", CssProperty::FontSize, "2em"},
        // Sheets: CDATA, entities, comments, at-rules, markup remains, broken parts.
        {"<style><![CDATA[ g > #t { fill: lime } ]]></style><g><rect id='t'/></g>", F, "lime"},
        {"<style>g &gt; #t { fill: lime }</style><g><rect id='t'/></g>", F, "lime"},
        {"<style><![CDATA[ #t { font-family: 'a&amp;b' } ]]></style><text id='t'/>", CssProperty::FontFamily,
         "'a&amp;b'"},
        {"<style>#t{fill:red}<![CDATA[#t{fill:lime}]]></style><rect id='t'/>", F, "lime"},
        {"<defs><svg:style><![CDATA[#t{fill:lime}]]></svg:style></defs><rect id='t'/>", F, "lime"},
        {"<style type='text/less'>#t{fill:red}</style><rect id='t'/>", F, "black"},
        {"<style>@media print { #t { fill: red } } @import 'x.css'; #t { fill: lime }</style>"
         "<rect id='t'/>", F, "lime"},
        {"<style><!-- #t { fill: lime } --></style><rect id='t'/>", F, "black"},  // an XML comment
        {"<style><![CDATA[<!-- #t { fill: lime } -->]]></style><rect id='t'/>", F, "lime"},
        {"<style>#t { fill: '}' ; stroke: lime }</style><rect id='t'/>", CssProperty::Stroke, "lime"},
        {"<style>} #t { fill: red } #t { stroke: lime }</style><rect id='t'/>", F, "black"},
        {"<style>#t { fill: red } } #t { stroke: lime }</style><rect id='t'/>", CssProperty::Stroke, "none"},
        {"<style>#t { fill: lime; stroke: red</style><rect id='t'/>", F, "lime"},
        {"<style>#t { fill: lime } /* #t { fill: red }</style><rect id='t'/>", F, "lime"},
    };
    for (const auto& row : rows) EXPECT_EQ(Computed(row.body, row.property), row.value) << row.body;
}

// Sizes a browser takes in its stride: none of these may take long or crash.
TEST(StyleSheet, HostileSheetsStayLinear) {
    std::string classes, rules;
    for (int i = 0; i < 100000; ++i) {
        classes += "c" + std::to_string(i) + " ";
        rules += ".c" + std::to_string(i) + "{fill:red}";
    }
    const std::string manyClasses = "<style>" + rules + "</style><rect id='t' class='" + classes + "'/>";
    EXPECT_EQ(Computed(manyClasses, CssProperty::Fill), "red");
    std::string deep, within = "> #t";
    for (int i = 0; i < 400; ++i) deep += "<g>";
    for (int i = 0; i < 31; ++i) within = "g " + within;  // 32 compounds: the most a selector may have
    const std::string rect = "<rect id='t'/>";
    const std::string unclosed(100000, '{');
    const auto F = CssProperty::Fill;
    EXPECT_EQ(Computed("<style>" + within + "{fill:lime}" + unclosed + "</style>" + deep + rect, F), "lime");
    EXPECT_EQ(Computed("<style>g " + within + "{fill:lime}</style>" + deep + rect, F), "black");
}

TEST(StyleSheet, MatchingStopsOnceItsBudgetIsSpent) {
    CXML root;
    ASSERT_TRUE(LoadXml(root, "<svg><rect/><rect/></svg>", "svg", nullptr));
    vx::CStyleSheet sheet(3);  // three compounds tried, then no more
    sheet.Add("rect{fill:red} rect{stroke:red} rect{color:red} rect{opacity:0} rect{display:none}");
    const std::vector<const CXML*> ancestors{&root};
    std::vector<size_t> found;
    for (const CXML* rect : root.Children()) {
        std::vector<const vx::CCssDeclaration*> declarations;
        sheet.Match(*rect, ancestors, declarations);
        found.push_back(declarations.size());
    }
    EXPECT_EQ(found, (std::vector<size_t>{3, 0}));
    EXPECT_TRUE(sheet.Exhausted());
}

}  // namespace
