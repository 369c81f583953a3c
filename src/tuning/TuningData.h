#pragma once

#include <cstdint>
#include <memory>

namespace vantrel {

class EnhancedZIRK;
class radioStorage;

// What a tuning screen asks of its family's data class: the opening test mode, the live and
// the committed write, and the channel. Each family's row names a maker of one of these; the
// makers wrap the data classes of the model, so a screen never builds a request itself.
class TuningData {
public:
    virtual ~TuningData() = default;

    // Puts the radio into the family's test mode (the point is selected by the session).
    virtual void prepare(const radioStorage& storage, EnhancedZIRK& conn) = 0;
    virtual void liveWrite(std::uint32_t value, EnhancedZIRK& conn) = 0;
    virtual void commit(std::uint32_t value, EnhancedZIRK& conn) = 0;
    virtual void selectPoint(std::uint16_t transmit, std::uint16_t receive, EnhancedZIRK& conn) = 0;
};

using TuningDataMaker = std::unique_ptr<TuningData> (*)();

// The requests every data class makes the same way; a family's wrapper adds its test mode and
// its commit.
template <typename Data>
class DataClassTuning : public TuningData {
public:
    void liveWrite(std::uint32_t value, EnhancedZIRK& conn) override { data_.liveWrite(value, conn); }
    void selectPoint(std::uint16_t transmit, std::uint16_t receive, EnhancedZIRK& conn) override {
        data_.selectPoint(transmit, receive, conn);
    }

protected:
    Data data_;
};

template <typename Tuning>
std::unique_ptr<TuningData> makeTuningData() {
    return std::make_unique<Tuning>();
}

// The single-value transmit families.
std::unique_ptr<TuningData> referenceOscillatorData();
// The VCO attenuation at one channel spacing: 3 for 12.5 kHz, 2 for 20 kHz (1 for 25 kHz).
template <int Spacing>
std::unique_ptr<TuningData> vcoAttenuationData();
std::unique_ptr<TuningData> dtmfData();
std::unique_ptr<TuningData> dalmorData();
std::unique_ptr<TuningData> select5Data();
std::unique_ptr<TuningData> mpt1327Data();
std::unique_ptr<TuningData> highSpeedTrunkingData();

}  // namespace vantrel
