#pragma once

namespace vantrel {

// The two transmit powers of one K and M point, in watts, kept in single precision as the
// report prints them, from the point's K and M and the two DAC values of the radio.
struct KAndMPower {
    float p1;
    float p2;
};
KAndMPower kAndMPower(int k, int m, int dac1, int dac2, bool mobileE);

}  // namespace vantrel
