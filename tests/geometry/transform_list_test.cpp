// The browser's transform list: every function composed in order, or none.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "geometry/transform_list.h"

namespace {

struct M {
    double a, b, c, d, e, f;
};

void ExpectNear(const CMatrix& m, M want, const std::string& what) {
    const double got[] = {m.a, m.b, m.c, m.d, m.e, m.f};
    const double expected[] = {want.a, want.b, want.c, want.d, want.e, want.f};
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(got[i], expected[i], 1e-12) << what << " component " << i;
}

const double kTan30 = std::tan(3.14159265358979323846 / 6);

}  // namespace

TEST(ParseTransformList, FunctionsAndTheirCompositionInOrder) {
    const struct {
        const char* text;
        M want;
    } rows[] = {
        {"", {1, 0, 0, 1, 0, 0}},
        {" \n ", {1, 0, 0, 1, 0, 0}},
        {"matrix(1 2 3 4 5 6)", {1, 2, 3, 4, 5, 6}},
        {"matrix(1,2,3,4,5,6)", {1, 2, 3, 4, 5, 6}},
        {"matrix(1, 2 ,3\t4 5e0 .6e1)", {1, 2, 3, 4, 5, 6}},
        {"translate(10)", {1, 0, 0, 1, 10, 0}},
        {"translate(10 -20)", {1, 0, 0, 1, 10, -20}},
        {"translate(10-20)", {1, 0, 0, 1, 10, -20}},
        {"scale(2)", {2, 0, 0, 2, 0, 0}},
        {"scale(2,3)", {2, 0, 0, 3, 0, 0}},
        {"rotate(90)", {0, 1, -1, 0, 0, 0}},
        {"rotate(-90)", {0, -1, 1, 0, 0, 0}},
        {"rotate(450)", {0, 1, -1, 0, 0, 0}},
        {"rotate(180 10 20)", {-1, 0, 0, -1, 20, 40}},
        {"rotate(30)", {std::sqrt(3) / 2, 0.5, -0.5, std::sqrt(3) / 2, 0, 0}},
        {"skewX(30)", {1, 0, kTan30, 1, 0, 0}},
        {"skewY(30)", {1, kTan30, 0, 1, 0, 0}},
        // Left to right is outer to inner: the scale acts on the translation.
        {"scale(2) translate(10,20)", {2, 0, 0, 2, 20, 40}},
        {"translate(10,20) scale(2)", {2, 0, 0, 2, 10, 20}},
        {"translate(10,20),scale(2)", {2, 0, 0, 2, 10, 20}},
        {"translate(10,20)scale(2)", {2, 0, 0, 2, 10, 20}},
        {"translate(10 , 20) ,, scale(2) ", {2, 0, 0, 2, 10, 20}},
        {"translate (1) , rotate(90) scale(2 3)", {0, 2, -3, 0, 1, 0}},
    };
    for (const auto& row : rows) {
        CMatrix m;
        m.e = 99;  // the result never keeps what out held
        EXPECT_TRUE(vx::ParseTransformList(row.text, m)) << row.text;
        ExpectNear(m, row.want, row.text);
    }
}

TEST(ParseTransformList, AnyInvalidPartVoidsTheWholeList) {
    for (const char* text :
         {"translate(10,20) foo(1)", "matrix(1 2 3 4 5)", "matrix(1 2 3 4 5 6 7)", "translate()",
          "translate(1 2 3)", "rotate(1 2)", "skewX(1 2)", "scale(2", "scale 2", "Scale(2)",
          "translate(1px)", "translate(1,)", "translate(,1)", "translate(1,,2)", "scale(2),", "(1)", "scale(2) junk", "translate(1e400)",
          "translate(nan)", "scale(1e200) scale(1e200)"}) {
        CMatrix m;
        m.a = 5;
        EXPECT_FALSE(vx::ParseTransformList(text, m)) << text;
        ExpectNear(m, {1, 0, 0, 1, 0, 0}, text);
    }
}

TEST(ParseTransformList, AMillionFunctionsComposeExactly) {
    std::string text;
    for (int i = 0; i < 1000000; ++i) text += "translate(1)rotate(90)";
    CMatrix m;
    ASSERT_TRUE(vx::ParseTransformList(text, m));
    ExpectNear(m, {1, 0, 0, 1, 0, 0}, "a million quarter turns");  // 4 turns bring it back
}
