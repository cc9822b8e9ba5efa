#include "stability/calc/key_terms.h"

#include <algorithm>
#include <cmath>

#include "numeric/rounding.h"
#include "stability/calc/ground_pressure.h"

namespace pelzaro {

double passiveSlope(float phiB) {
    return std::tan(degToRad(45.0 + phiB / 2.0));
}

double shearFactor(float phiB) {
    return std::tan(degToRad(phiB));
}

double cohesionWidth(float e, float B, float Xn) {
    return withinMiddleThird(e, B) ? double(B) : std::fabs(double(Xn));
}

double contactFactor(float e, float B, float Xn) {
    return cohesionWidth(e, B, Xn) / B;
}

namespace {

// The base in contact, from `from` to `to` measured from the front end.
struct Contact {
    double from, to;
};

Contact contactOf(float e, float B, float Xn) {
    const double b = B;
    if (withinMiddleThird(e, B)) return {0.0, b};
    const double xa = std::fabs(double(Xn));
    return e >= 0.0f ? Contact{0.0, xa} : Contact{b - xa, b};
}

// The length of [a, b] that lies in contact; 0 when none does.
double inContact(double a, double b, Contact c) {
    return std::max(0.0, std::min(b, c.to) - std::max(a, c.from));
}

}  // namespace

KeyLengths wedgeLengths(float e, float B, float B1, float L, float Xn) {
    const Contact c = contactOf(e, B, Xn);
    const double wedgeEnd = double(B1) - L;
    return {inContact(c.from, wedgeEnd, c), inContact(B1, c.to, c)};
}

KeyLengths shearLengths(float e, float B, float B1, float Xn) {
    const Contact c = contactOf(e, B, Xn);
    return {inContact(c.from, B1, c), inContact(B1, c.to, c)};
}

}  // namespace pelzaro
