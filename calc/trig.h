#pragma once
// The trigonometric routines of the pointing geometry, on the x87
// instructions themselves (FSIN, FCOS, FPTAN, FPATAN) so that the Linux and
// Windows builds compute the same bits.

// pi at extended precision, the value FLDPI loads.
constexpr long double Pi = 3.14159265358979323846264338327950288L;
// Radians in one degree.
constexpr long double RadiansPerDegree = Pi / 180;

// Degrees per half turn; a 16-bit integer converted when used.
constexpr short DegreeFactor = 180;

// With inDegrees == 1, x is in degrees: converted as x * pi, then / 180.
long double trigCos(long double x, int inDegrees);
long double trigSin(long double x, int inDegrees);
long double trigTan(long double x, int inDegrees);
// Arc tangent in (-90, 90); with inDegrees == 1 the radians a become a / pi * 180.
long double trigAtan(long double x, int inDegrees);
