// Transform texts, the group transform stack, point mapping and the viewBox.
#include <cmath>

#include <gtest/gtest.h>

#include "convert/svg_converter.h"
#include "svg/classic_elements.h"
#include "svg/transform_text.h"
#include "tests/support/convert_fixture.h"
#include "tests/support/dxf_groups.h"

namespace {

struct M {
    double a, b, c, d, e, f;
};

void ExpectMatrix(const CMatrix& m, M want, const char* text) {
    EXPECT_DOUBLE_EQ(m.a, want.a) << text;
    EXPECT_DOUBLE_EQ(m.b, want.b) << text;
    EXPECT_DOUBLE_EQ(m.c, want.c) << text;
    EXPECT_DOUBLE_EQ(m.d, want.d) << text;
    EXPECT_DOUBLE_EQ(m.e, want.e) << text;
    EXPECT_DOUBLE_EQ(m.f, want.f) << text;
}

void ExpectParsed(const char* text, M want) {
    CMatrix m;
    m.a = 7;  // the matrix always starts again from the identity
    EXPECT_TRUE(vx::ParseTransform(text, m)) << text;
    ExpectMatrix(m, want, text);
}

constexpr M kIdentity{1, 0, 0, 1, 0, 0};

}  // namespace

TEST(ParseTransform, EmptyTextIsNoTransform) {
    CMatrix m;
    m.e = 3;
    EXPECT_FALSE(vx::ParseTransform("", m));
    ExpectMatrix(m, kIdentity, "");
    ExpectParsed(" ", kIdentity);  // not empty: true, nothing recognised
}

TEST(ParseTransform, MatrixWithEitherSeparator) {
    ExpectParsed("matrix(1 0 0 1 5 5)", {1, 0, 0, 1, 5, 5});
    ExpectParsed("matrix(1,0,0,1,10,20)", {1, 0, 0, 1, 10, 20});
    ExpectParsed("matrix(1, 0, 0, 1, 10, 20)", {1, 0, 0, 1, 10, 20});
    ExpectParsed("matrix( 2 , 0.5 ,0 3 -4e1 6 7 8)", {2, 0.5, 0, 3, -40, 6});
    ExpectParsed("matrix(2 3)", {2, 3, 0, 1, 0, 0});
    ExpectParsed("matrix(2)", kIdentity);
    // A matrix makes the other functions ignored.
    ExpectParsed("translate(100,0) matrix(1 0 0 1 5 5) scale(9)", {1, 0, 0, 1, 5, 5});
}

TEST(ParseTransform, TranslateAndScale) {
    ExpectParsed("translate(100,0)", {1, 0, 0, 1, 100, 0});
    ExpectParsed("translate( 10 20 )", {1, 0, 0, 1, 10, 20});
    ExpectParsed("translate(10)", {1, 0, 0, 1, 10, 0});
    ExpectParsed("scale(2)", {2, 0, 0, 2, 0, 0});
    ExpectParsed("scale(2, 3)", {2, 0, 0, 3, 0, 0});
    ExpectParsed("translate(10,20) scale(3,4)", {3, 0, 0, 4, 10, 20});
    ExpectParsed("translate(10) scale(3)", {3, 0, 0, 3, 10, 0});
    // A scaling written before the translation is lost.
    ExpectParsed("scale(3,4) translate(10,20)", {1, 0, 0, 1, 10, 20});
    // Rotations and skews are not understood.
    ExpectParsed("rotate(45)", kIdentity);
    ExpectParsed("rotate(45) translate(5,6)", {1, 0, 0, 1, 5, 6});
    ExpectParsed("skewX(30)", kIdentity);
    ExpectParsed("translate(abc)", kIdentity);
}

TEST(GroupTransforms, InnermostGroupFirstThenElementMatrixBeforeGroups) {
    CSvgConverter conv;
    conv.ResetTransforms();
    conv.GroupTransforms().Push();
    conv.GroupTransforms().ReadOwnTransform("translate(10,0)");
    conv.GroupTransforms().Push();
    conv.GroupTransforms().ReadOwnTransform("scale(2,2)");
    vx::CClassicStyle style;
    style.groups = &conv.GroupTransforms();
    double x = 1, y = 1;
    CShapeWriter::MapPoint(style, vx::ElementTransform(""), x, y);
    EXPECT_DOUBLE_EQ(x, 12);
    EXPECT_DOUBLE_EQ(y, 2);

    conv.GroupTransforms().Pop();
    const vx::CElementTransform own = vx::ElementTransform("matrix(1 0 0 1 5 5)");
    ASSERT_TRUE(own.given);
    x = 0, y = 0;
    CShapeWriter::MapPoint(style, own, x, y);
    EXPECT_DOUBLE_EQ(x, 15);
    EXPECT_DOUBLE_EQ(y, 5);

    conv.GroupTransforms().Pop();
    EXPECT_EQ(conv.GroupTransforms().Depth(), 0);
    x = 1, y = 1;
    conv.GroupTransforms().Apply(x, y);
    EXPECT_DOUBLE_EQ(x, 1);
    EXPECT_DOUBLE_EQ(y, 1);
}

TEST(GroupTransforms, TransformOutsideAnyGroupGoesNowhere) {
    CSvgConverter conv;
    conv.ResetTransforms();
    conv.GroupTransforms().ReadOwnTransform("translate(10,0)");
    conv.GroupTransforms().Pop();  // an unbalanced pop stays at depth 0
    EXPECT_EQ(conv.GroupTransforms().GroupDepth(), 0);
    EXPECT_EQ(conv.GroupTransforms().Depth(), 0);
    EXPECT_FALSE(conv.GroupTransforms().Active());
    conv.GroupTransforms().Push();
    double x = 1, y = 1;
    conv.GroupTransforms().Apply(x, y);
    EXPECT_DOUBLE_EQ(x, 1);
}

TEST(GroupTransforms, GroupsBeyondFiftyContributeNothingAndStayBalanced) {
    CSvgConverter conv;
    conv.ResetTransforms();
    for (int i = 0; i < 60; ++i) {
        conv.GroupTransforms().Push();
        conv.GroupTransforms().ReadOwnTransform("translate(1,0)");
    }
    EXPECT_EQ(conv.GroupTransforms().GroupDepth(), 60);
    EXPECT_EQ(conv.GroupTransforms().Depth(), kTransformStackSize);
    double x = 0, y = 0;
    conv.GroupTransforms().Apply(x, y);
    EXPECT_DOUBLE_EQ(x, 50);

    for (int i = 0; i < 10; ++i) conv.GroupTransforms().Pop();
    EXPECT_EQ(conv.GroupTransforms().Depth(), 50);  // the 50th group is still open
    conv.GroupTransforms().Pop();
    EXPECT_EQ(conv.GroupTransforms().Depth(), 49);
    x = 0;
    conv.GroupTransforms().Apply(x, y);
    EXPECT_DOUBLE_EQ(x, 49);

    for (int i = 0; i < 60; ++i) conv.GroupTransforms().Pop();
    EXPECT_EQ(conv.GroupTransforms().GroupDepth(), 0);
    EXPECT_EQ(conv.GroupTransforms().Depth(), 0);
    // Every entry was given back as the identity.
    conv.GroupTransforms().Push();
    conv.GroupTransforms().Push();
    x = 0;
    conv.GroupTransforms().Apply(x, y);
    EXPECT_DOUBLE_EQ(x, 0);
}

TEST(GroupTransforms, ResultsTooLargeForADoubleAreLeftInfiniteForTheEmitterToSkip) {
    CSvgConverter conv;
    conv.ResetTransforms();
    conv.GroupTransforms().Push();
    conv.GroupTransforms().ReadOwnTransform("matrix(1e300 0 0 1e300 0 0)");
    double x = 1e300, y = -1e300;
    conv.GroupTransforms().Apply(x, y);
    EXPECT_EQ(x, HUGE_VAL);
    EXPECT_EQ(y, -HUGE_VAL);
}

TEST(ViewBox, SeparatorsAndShortForms) {
    CSvgConverter conv;
    const struct {
        const char* text;
        double width, height;
    } cases[] = {
        {"0 0 100 50", 100, 50},       {"0, 0, 100, 50", 100, 50}, {"0,0,100,50", 100, 50},
        {"  10 20 110 70", 100, 50},   {"0 0 100", 100, 0},        {"", 0, 0},
        {"-1e400 -1e400 1e400 1e400", 1e300, 1e300},
    };
    for (const auto& c : cases) {
        conv.Walker().m_dWidth = conv.Walker().m_dHeight = -1;
        conv.Walker().ParseViewBox(c.text);
        EXPECT_DOUBLE_EQ(conv.Walker().m_dWidth, c.width) << c.text;
        EXPECT_DOUBLE_EQ(conv.Walker().m_dHeight, c.height) << c.text;
    }
    conv.ResetTransforms();
    EXPECT_EQ(conv.Walker().m_dWidth, 0);
    EXPECT_EQ(conv.Walker().m_dHeight, 0);
}

TEST(TransformsEndToEnd, GroupTranslationViewBoxHeightAndDeepNesting) {
    std::string deep;
    for (int i = 0; i < 55; ++i) deep += "<g transform=\"translate(1,0)\">";
    deep += "<line x1=\"0\" y1=\"0\" x2=\"1\" y2=\"0\"/>";
    for (int i = 0; i < 55; ++i) deep += "</g>";
    const std::string dxf = vxtest::ConvertSvg(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0, 0, 300, 200\">"
        "<g transform=\"translate(100,0)\"><line x1=\"10\" y1=\"20\" x2=\"30\" y2=\"20\"/></g>" +
        deep + "<line x1=\"5\" y1=\"5\" x2=\"6\" y2=\"5\"/></svg>");
    const auto lines = vxtest::EntitiesOf(dxf, "LINE");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_DOUBLE_EQ(lines[0].Real(10), 110);
    EXPECT_DOUBLE_EQ(lines[0].Real(20), 180);
    EXPECT_DOUBLE_EQ(lines[1].Real(10), 50);  // only 50 groups move it
    EXPECT_DOUBLE_EQ(lines[2].Real(10), 5);   // the stack is empty again afterwards
    EXPECT_DOUBLE_EQ(lines[2].Real(20), 195);
}
