#pragma once

#include <string>
#include <vector>

namespace vantrel {

// Actions only some screens offer, beside the pattern every screen shares. A family's session
// class that offers one derives from it as well, so the desktop buttons and the command line
// reach it the same way and a front end can ask any open screen whether it has it.

// Auto Tune: the radio finds the value by itself. Per-point screens tune the row given; a
// screen that tunes all its points in one run ignores the row.
class TuningAutoTune {
public:
    virtual ~TuningAutoTune() = default;
    virtual void autoTune(int row) = 0;
};

// One reading the radio gives for a point, by name (the K and M readings, say).
struct TuningReading {
    std::string name;
    long long value = 0;
};

// Readings taken from the radio at a point on request.
class TuningMeasure {
public:
    virtual ~TuningMeasure() = default;
    virtual std::vector<TuningReading> measure(int row) = 0;
};

}  // namespace vantrel
