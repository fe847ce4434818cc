// Planted in the classic reading's layer (svg/) by the layer link test: a
// call up into the browser reading (resolve/), which svg/ must not make.
#include "resolve/lengths.h"

double ClimbingCall(double inches);
double ClimbingCall(double inches) { return vx::ToMillimetres(inches, vx::LengthUnit::kIn); }
