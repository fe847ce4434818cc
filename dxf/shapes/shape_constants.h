#pragma once
// Angles of full turns and quarter turns, in radians, as the shapes write them.
namespace vx {

constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kThreeHalfPi = 4.71238898038469;
constexpr double kTwoPi = 6.283185307179586;

}  // namespace vx
