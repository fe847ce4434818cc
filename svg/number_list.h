#pragma once
// Reading the number lists of transform functions and viewBox texts: numbers
// separated by white space and/or commas, with the parentheses of a function
// call counting as separators too.
#include <cstddef>
#include <string_view>

namespace vx {

// Reads the next number of the list from text[pos...]: separators are skipped,
// then a number is read; pos ends just after it. False, with pos left at the
// first non-separator, when no number starts there (a keyword such as "scale",
// a unit, the end of the text): the list ends at that point.
bool NextListNumber(std::string_view text, size_t& pos, double& value);

// Up to maxCount numbers from the start of the text; returns how many were read.
// `end` (when given) receives the position after the last number read.
int ReadNumberList(std::string_view text, double* values, int maxCount, size_t* end = nullptr);

}  // namespace vx
