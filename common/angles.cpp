#include "common/angles.h"

#include <cmath>

#include "common/checked.h"

namespace angles {

using checked::Num;
using checked::Set;

double NormalizeAngle(double& angleRad) {
    if (angleRad < 0) Set(angleRad, Num(angleRad) + 2 * Pi);
    if (angleRad > 2 * Pi) Set(angleRad, Num(angleRad) - 2 * Pi);
    return angleRad;
}

float VectorAngle(double Y, double X) {
    double degrees = 0;
    if (X > 0) {
        Set(degrees, checked::Atan(Num(Y) / X) * RadiansToDegrees);
    } else if (X < 0) {
        if (Y >= 0)
            Set(degrees, (checked::Atan(Num(Y) / X) + Pi) * RadiansToDegrees);
        else
            Set(degrees, (checked::Atan(Num(Y) / X) - Pi) * RadiansToDegrees);
    } else if (Y > 0) {
        degrees = 90;
    } else if (Y < 0) {
        degrees = -90;
    } else {
        return 0;
    }
    float result = 0;
    checked::SetSingle(result, Num(degrees) * DegreesToRadians);
    return result;
}

double ArcSin(double X) {
    if (!(X > -1 && X < 1)) return 0;
    return std::atan(X / std::sqrt(1 - X * X));
}

double ArcCos(double X) {
    if (X >= 1) return 0;
    if (X <= -1) return Pi;
    if (std::isnan(X)) return 0;
    return std::atan(-X / std::sqrt(1 - X * X)) + 2 * std::atan(1.0);
}

}  // namespace angles
