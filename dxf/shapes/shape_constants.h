#pragma once
// Angles of full turns and quarter turns, in radians, as the shapes write them,
// and the flattest ellipse that readers take.
#include <algorithm>

namespace vx {

constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kThreeHalfPi = 4.71238898038469;
constexpr double kTwoPi = 6.283185307179586;

// Readers refuse an ellipse whose minor axis is under a millionth of its major
// axis; a flatter one is written at that ratio, which looks the same.
constexpr double kMinAxisRatio = 1e-6;
inline double ReadableAxisRatio(double ratio) { return std::max(ratio, kMinAxisRatio); }

}  // namespace vx
