#pragma once
// The circle constant and the conversions between degrees and radians, once
// for every library (C++17 has no std::numbers; this is M_PI of <cmath>).
inline constexpr double KOV_PI = 3.14159265358979323846;
inline constexpr double KOV_DEG_TO_RAD = KOV_PI / 180.0;
inline constexpr double KOV_RAD_TO_DEG = 180.0 / KOV_PI;
