// Angles for the formulas and the navigation: the constants the program computes with,
// and the inverse functions and normalisation it needs. Everything in radians unless a
// name says degrees.
#pragma once

namespace angles {

inline constexpr double Pi = 3.14159265358979;
inline constexpr double DegreesToRadians = 0.017453292519943278;
inline constexpr double RadiansToDegrees = 57.29577951308238;

// Brings an angle into one turn: one correction each way, so 2 pi stays 2 pi.
double NormalizeAngle(double& angleRad);
// Direction of the vector (X, Y), -pi to pi, held as a single; 0 for the zero vector.
float VectorAngle(double Y, double X);
// Inverse sine; 0 at and beyond -1 and 1 (where the formula has no value).
double ArcSin(double X);
// Inverse cosine; 0 for X of 1 or more, pi for -1 or less.
double ArcCos(double X);

}  // namespace angles
