#include "model/kAndMPower.h"

#include <cmath>

namespace vantrel {

KAndMPower kAndMPower(int k, int m, int dac1, int dac2, bool mobileE) {
    // The mobile E family's K is unsigned with a larger step; the others centre K on 128.
    const double kPrime = mobileE ? k : k - 128;
    const double step = mobileE ? 0.16 : 0.04;
    const double first = 0.0004 * m * dac1 + step * kPrime;
    const float p1 = static_cast<float>(first * first);
    const double slope = 0.0004 * m * (dac1 - dac2);
    const double second = mobileE ? std::sqrt(p1) + slope : std::sqrt(p1) - slope;
    return {p1, static_cast<float>(second * second)};
}

}  // namespace vantrel
