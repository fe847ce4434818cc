// Reading transform texts. Only matrix(...), translate(...) and scale(...) are
// understood; the numbers found replace the matrix components rather than
// multiply with them, and a matrix(...) makes the other functions ignored.
#include "svg/transform_text.h"
#include "svg/number_list.h"

namespace {

constexpr size_t kNotFound = std::string_view::npos;

// Reads the list after the first occurrence of keyword (up to maxCount numbers).
// rest receives the text after the last number read.
int ReadFunctionNumbers(std::string_view text, std::string_view keyword, double* values,
                        int maxCount, std::string_view& rest) {
    const size_t at = text.find(keyword);
    if (at == kNotFound) return 0;
    const std::string_view list = text.substr(at + keyword.size());
    size_t end = 0;
    const int count = vx::ReadNumberList(list, values, maxCount, &end);
    rest = count > 0 ? list.substr(end) : list;
    return count;
}

}  // namespace

void vx::ReadTransformText(std::string_view text, CMatrix& m) {
    double n[6];
    std::string_view rest;
    if (text.find("matrix") != kNotFound) {
        const int count = ReadFunctionNumbers(text, "matrix", n, 6, rest);
        // A single number is no list; it sets nothing.
        if (count < 2) return;
        double* components[6] = {&m.a, &m.b, &m.c, &m.d, &m.e, &m.f};
        for (int i = 0; i < count; ++i) *components[i] = n[i];
        return;
    }
    rest = text;
    const int moves = ReadFunctionNumbers(text, "translate", n, 2, rest);
    if (moves > 0) {
        m.e = n[0];
        m.f = moves == 2 ? n[1] : 0.0;
    }
    // Only a scaling written after the translation is seen: one written before
    // it lies in the part of the text already passed.
    const int scales = ReadFunctionNumbers(rest, "scale", n, 2, rest);
    if (scales > 0) {
        m.a = n[0];
        m.d = scales == 2 ? n[1] : n[0];
    }
}

bool vx::ParseTransform(std::string_view text, CMatrix& matrix) {
    matrix = CMatrix();
    if (text.empty()) return false;
    ReadTransformText(text, matrix);
    return true;
}
