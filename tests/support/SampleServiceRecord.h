#pragma once

#include "files/serviceRecord.h"

#include <string>

namespace vantrel::testing {

// A commit of transmit high power on the portable, as the service log keeps it.
inline serviceRecord sampleChange(const std::string& serial = "781TKA0101", int point = 3, long long before = 98,
                                  long long after = 104) {
    serviceRecord r;
    r.time = "2026-12-09T14:06:24Z";
    r.serial = serial;
    r.model = "H25K416CA1AB120";
    r.family = "Transmit High Power";
    r.kind = 2;
    r.point = point;
    r.frequency = 138.0;
    r.before = before;
    r.after = after;
    return r;
}

}  // namespace vantrel::testing
