#include "tuning/TuningData.h"

#include "model/txRefOscData.h"
#include "model/txSingleValueData.h"
#include "model/txVCOAttnData.h"

namespace vantrel {

namespace {

class ReferenceOscillatorTuning : public DataClassTuning<txRefOscData> {
public:
    void prepare(const radioStorage& storage, EnhancedZIRK& conn) override {
        data_.updateSpacingCode(storage);
        data_.setupTestMode(conn, true, false);
    }
    void commit(std::uint32_t value, EnhancedZIRK& conn) override { data_.commit(value, conn); }
};

// The VCO screens keep the class's default spacing code: the spacing they tune names it.
template <int Spacing>
class VcoAttenuationTuning : public DataClassTuning<txVCOAttnData> {
public:
    void prepare(const radioStorage&, EnhancedZIRK& conn) override { data_.setupTestMode(Spacing, conn, true, false); }
    void commit(std::uint32_t value, EnhancedZIRK& conn) override { data_.commitWrite(value, conn); }
};

template <typename Data>
class SignallingTuning : public DataClassTuning<Data> {
public:
    void prepare(const radioStorage& storage, EnhancedZIRK& conn) override {
        this->data_.updateSpacingCode(storage);
        this->data_.setupTestMode(conn);
    }
    void commit(std::uint32_t value, EnhancedZIRK& conn) override { this->data_.commit(value, conn); }
};

}  // namespace

std::unique_ptr<TuningData> referenceOscillatorData() { return std::make_unique<ReferenceOscillatorTuning>(); }

template <int Spacing>
std::unique_ptr<TuningData> vcoAttenuationData() {
    return std::make_unique<VcoAttenuationTuning<Spacing>>();
}
template std::unique_ptr<TuningData> vcoAttenuationData<1>();
template std::unique_ptr<TuningData> vcoAttenuationData<2>();
template std::unique_ptr<TuningData> vcoAttenuationData<3>();

std::unique_ptr<TuningData> dtmfData() { return std::make_unique<SignallingTuning<txDTMFData>>(); }
std::unique_ptr<TuningData> dalmorData() { return std::make_unique<SignallingTuning<txDalmorData>>(); }
std::unique_ptr<TuningData> select5Data() { return std::make_unique<SignallingTuning<txSelect5Data>>(); }
std::unique_ptr<TuningData> mpt1327Data() { return std::make_unique<SignallingTuning<txMPT1200Data>>(); }
std::unique_ptr<TuningData> highSpeedTrunkingData() { return std::make_unique<SignallingTuning<txHSSData>>(); }

}  // namespace vantrel
