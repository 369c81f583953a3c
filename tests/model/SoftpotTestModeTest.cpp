#include "SoftpotFixture.h"

#include "model/SoftpotReads.h"
#include "model/radioIdentity.h"
#include "model/rxAutoSquelchData.h"
#include "model/rxFEBPData.h"
#include "model/rxRSSIData.h"
#include "model/rxRatedVolumeData.h"
#include "model/txBatteryData.h"
#include "model/txModAttnData.h"
#include "model/txPABiasHighVoltageData.h"
#include "model/txRefOscData.h"
#include "model/txSingleValueData.h"
#include "model/txTransmitPowData.h"
#include "model/txVCOAttnData.h"

#include <functional>
#include <map>
#include <string>

namespace vantrel {
namespace {

using Call = std::function<void(EnhancedZIRK&, const radioStorage&)>;

struct SetupCase {
    std::string name;
    Call call;
    std::vector<Bytes> expected;
};

Bytes T(std::uint8_t function, std::uint8_t level, std::uint8_t spacing) {
    return zirkFrame(0x22, {function, level, spacing});
}

// A class told the radio's spacing first, so that "code" below is 1 (20 kHz): a setup that
// sends 2 or 0 instead uses a fixed code or its argument.
template <typename Data>
Data updated(const radioStorage& storage) {
    Data data;
    data.updateSpacingCode(storage);
    return data;
}

// Every test-mode setup of the data classes, with the requests it must send.
std::vector<SetupCase> setupTable() {
    const Bytes parkVco = zirkFrame(0x20, {0x02, 0x02, 0x7F});
    return {
        {"RefOscFirst",
         [](auto& c, auto& s) { updated<txRefOscData>(s).setupTestMode(c, true, false); },
         {T(0, 2, 1), T(129, 2, 1)}},
        {"RefOscSecond",
         [](auto& c, auto& s) { updated<txRefOscData>(s).setupTestMode(c, false, true); },
         {T(1, 2, 1), T(129, 2, 1)}},
        {"RefOscBoth",
         [](auto& c, auto& s) { updated<txRefOscData>(s).setupTestMode(c, true, true); },
         {T(0, 2, 1), T(129, 2, 1), T(1, 2, 1), T(129, 2, 1)}},
        {"RefOscNeither", [](auto& c, auto& s) { updated<txRefOscData>(s).setupTestMode(c, false, false); }, {}},
        {"RefOscDefaultCode",
         [](auto& c, auto&) { txRefOscData().setupTestMode(c, true, false); },
         {T(0, 2, 2), T(129, 2, 2)}},
        {"PowerHighFirst",
         [](auto& c, auto& s) { updated<txTransmitPowData>(s).setupTestMode(1, c, true, false); },
         {T(0, 0, 1), T(129, 0, 1)}},
        {"PowerLowSecond",
         [](auto& c, auto& s) { updated<txTransmitPowData>(s).setupTestMode(2, c, false, true); },
         {T(1, 2, 1), T(129, 2, 1)}},
        {"PowerOtherLevel",
         [](auto& c, auto& s) { updated<txTransmitPowData>(s).setupTestMode(3, c, true, true); },
         {}},
        {"DacHighFirst",
         [](auto& c, auto& s) { updated<txTransmitDACData>(s).setupTestMode(1, c, true, false); },
         {T(0, 0, 1), T(129, 0, 1)}},
        {"PaVoltageLimitOpening",
         [](auto& c, auto&) { txPAVoltageLimitData().setupTestMode(1, c, true, false); },
         {T(0, 0, 2), T(129, 0, 2)}},
        {"PaVoltageLimitLowLevelZero",
         [](auto& c, auto& s) { updated<txPAVoltageLimitData>(s).setupTestMode(0, c, true, true); },
         {}},
        {"Vco25",
         [](auto& c, auto& s) { updated<txVCOAttnData>(s).setupTestMode(1, c, true, false); },
         {T(0, 2, 2), T(128, 2, 2)}},
        {"Vco20Second",
         [](auto& c, auto& s) { updated<txVCOAttnData>(s).setupTestMode(2, c, false, true); },
         {T(1, 2, 1), T(128, 2, 1)}},
        {"Vco125",
         [](auto& c, auto& s) { updated<txVCOAttnData>(s).setupTestMode(3, c, true, false); },
         {T(0, 2, 0), T(128, 2, 0)}},
        {"VcoSpacingZero", [](auto& c, auto& s) { updated<txVCOAttnData>(s).setupTestMode(0, c, true, true); }, {}},
        {"VcoSpacingFour", [](auto& c, auto& s) { updated<txVCOAttnData>(s).setupTestMode(4, c, true, true); }, {}},
        {"Squelch125",
         [](auto& c, auto& s) { updated<rxAutoSquelchData>(s).setupTestMode(3, c, true, false); },
         {T(0, 2, 0)}},
        {"Squelch25Second",
         [](auto& c, auto& s) { updated<rxAutoSquelchData>(s).setupTestMode(1, c, false, true); },
         {T(1, 2, 2)}},
        {"SquelchSpacingFive",
         [](auto& c, auto& s) { updated<rxAutoSquelchData>(s).setupTestMode(5, c, true, false); },
         {}},
        {"ModulationWide",
         [](auto& c, auto& s) { updated<txModAttnData>(s).setupTestMode(1, c); },
         {T(14, 2, 1), parkVco}},
        {"ModulationNarrow",
         [](auto& c, auto& s) { updated<txModAttnData>(s).setupTestMode(0, c); },
         {T(14, 2, 0), parkVco}},
        {"ModulationSpacingThree", [](auto& c, auto& s) { updated<txModAttnData>(s).setupTestMode(3, c); }, {}},
        {"ModulationSpacingNegative", [](auto& c, auto& s) { updated<txModAttnData>(s).setupTestMode(-1, c); }, {}},
        {"Dtmf", [](auto& c, auto& s) { updated<txDTMFData>(s).setupTestMode(c); }, {T(3, 2, 1)}},
        {"Dalmor", [](auto& c, auto& s) { updated<txDalmorData>(s).setupTestMode(c); }, {T(4, 2, 1)}},
        {"Select5", [](auto& c, auto& s) { updated<txSelect5Data>(s).setupTestMode(c); }, {T(4, 2, 1)}},
        {"Mpt1327", [](auto& c, auto& s) { updated<txMPT1200Data>(s).setupTestMode(c); }, {T(5, 2, 1)}},
        {"HighSpeedTrunking", [](auto& c, auto& s) { updated<txHSSData>(s).setupTestMode(c); }, {T(7, 2, 1)}},
        {"Battery", [](auto& c, auto& s) { updated<txBatteryData>(s).setupTestMode(c); }, {T(9, 2, 1)}},
        {"PaBiasLow", [](auto& c, auto& s) { updated<txPABiasLowVoltageData>(s).setupTestMode(c); }, {T(9, 2, 1)}},
        {"PaBiasHigh", [](auto& c, auto& s) { updated<txPABiasHighVoltageData>(s).setupTestMode(c); }, {T(9, 0, 1)}},
        {"PaBiasHighLowLevel",
         [](auto& c, auto& s) { updated<txPABiasHighVoltageData>(s).setupLowLevel(c); },
         {T(9, 2, 1)}},
        {"PaBiasRxMode", [](auto& c, auto& s) { updated<txPABiasRxModeData>(s).setupTestMode(c); }, {T(9, 0, 1)}},
        {"PaBiasRxModeReceive", [](auto& c, auto& s) { updated<txPABiasRxModeData>(s).setupReceive(c); }, {T(0, 2, 2)}},
        {"PaBiasRxModeLowLevel",
         [](auto& c, auto& s) { updated<txPABiasRxModeData>(s).setupLowLevel(c); },
         {T(9, 2, 2)}},
        {"RatedVolumeCarrier",
         [](auto& c, auto& s) { updated<rxRatedVolumeData>(s).setupTestMode(c, 0); },
         {T(0, 2, 1)}},
        {"RatedVolumeSollen",
         [](auto& c, auto& s) { updated<rxRatedVolumeData>(s).setupTestMode(c, 1); },
         {T(18, 2, 1)}},
        {"RatedVolumeOther", [](auto& c, auto& s) { updated<rxRatedVolumeData>(s).setupTestMode(c, 2); }, {}},
        {"FrontEndFilter", [](auto& c, auto& s) { updated<rxFEBPData>(s).setupTestMode(c); }, {T(0, 2, 1)}},
        {"Rssi", [](auto& c, auto& s) { updated<rxRSSIData>(s).setupTestMode(c); }, {T(0, 2, 2)}},
        {"RssiNarrow", [](auto& c, auto& s) { updated<rxRSSIData>(s).setupNarrowTestMode(c); }, {T(0, 2, 0)}},
    };
}

class SoftpotTestModes : public SoftpotTest {
protected:
    // 20 kHz only: the spacing code the classes compute is 1.
    SoftpotTestModes() { storage.setValue(0, 13, 0b010); }
};

TEST_F(SoftpotTestModes, EverySetupSendsExactlyItsRequests) {
    std::size_t before = 0;
    for (const SetupCase& c : setupTable()) {
        c.call(conn, storage);
        const std::vector<Bytes> frames = sent();
        const std::vector<Bytes> sentHere(frames.begin() + static_cast<std::ptrdiff_t>(before), frames.end());
        EXPECT_EQ(sentHere, c.expected) << c.name;
        before = frames.size();
    }
    // What the radio received is the concatenation of those frames and nothing else.
    Bytes all;
    for (const SetupCase& c : setupTable()) {
        for (const Bytes& frame : c.expected) all.insert(all.end(), frame.begin(), frame.end());
    }
    EXPECT_EQ(line.sentByHost(), all);
}

// The catalogue's "test mode for reading" of each family must be the class call that the
// family is read in; the families without one are read without a test mode.
TEST_F(SoftpotTestModes, ReadPreparationOfEachFamilyIsItsClassSetup) {
    const std::map<SoftpotFamily, Call> readSetups = {
        {SoftpotFamily::ReferenceOscillator,
         [](auto& c, auto& s) { updated<txRefOscData>(s).setupTestMode(c, false, true); }},
        {SoftpotFamily::TransmitHighPower,
         [](auto& c, auto& s) { updated<txTransmitPowData>(s).setupTestMode(1, c, false, true); }},
        {SoftpotFamily::TransmitLowPower,
         [](auto& c, auto& s) { updated<txTransmitPowData>(s).setupTestMode(2, c, false, true); }},
        {SoftpotFamily::Softpot28,
         [](auto& c, auto& s) { updated<txTransmitPowData>(s).setupTestMode(1, c, false, true); }},
        {SoftpotFamily::ModulationBalance, [](auto& c, auto&) { txModAttnData().setupTestMode(1, c); }},
        {SoftpotFamily::VcoAttenuation25, [](auto& c, auto&) { txVCOAttnData().setupTestMode(1, c, false, true); }},
        {SoftpotFamily::VcoAttenuation20, [](auto& c, auto&) { txVCOAttnData().setupTestMode(2, c, false, true); }},
        {SoftpotFamily::VcoAttenuation125, [](auto& c, auto&) { txVCOAttnData().setupTestMode(3, c, false, true); }},
        {SoftpotFamily::PaVoltageLimit,
         [](auto& c, auto&) { txPAVoltageLimitData().setupTestMode(1, c, false, true); }},
        {SoftpotFamily::PaBiasProbe, [](auto& c, auto&) { txPABiasHighVoltageData().setupTestMode(c); }},
        {SoftpotFamily::PaBiasHigh, [](auto& c, auto&) { txPABiasHighVoltageData().setupTestMode(c); }},
        {SoftpotFamily::PaBias2High, [](auto& c, auto&) { txPABiasHighVoltageData().setupTestMode(c); }},
        {SoftpotFamily::PaBias3High, [](auto& c, auto&) { txPABiasHighVoltageData().setupTestMode(c); }},
        {SoftpotFamily::PaBiasLow, [](auto& c, auto&) { txPABiasLowVoltageData().setupTestMode(c); }},
        {SoftpotFamily::PaBias2Low, [](auto& c, auto&) { txPABiasLowVoltageData().setupTestMode(c); }},
        {SoftpotFamily::PaBias3Low, [](auto& c, auto&) { txPABiasLowVoltageData().setupTestMode(c); }},
        {SoftpotFamily::AutoSquelch125, [](auto& c, auto&) { rxAutoSquelchData().setupTestMode(3, c, false, true); }},
        {SoftpotFamily::AutoSquelch20, [](auto& c, auto&) { rxAutoSquelchData().setupTestMode(2, c, false, true); }},
        {SoftpotFamily::AutoSquelch25, [](auto& c, auto&) { rxAutoSquelchData().setupTestMode(1, c, false, true); }},
        {SoftpotFamily::RatedVolume, [](auto& c, auto&) { rxRatedVolumeData().setupTestMode(c, 0); }},
        {SoftpotFamily::RatedVolumeSollen, [](auto& c, auto&) { rxRatedVolumeData().setupTestMode(c, 1); }},
    };
    const std::uint8_t code = channelSpacingCode(storage);
    for (const SoftpotFamilyRow& row : softpotCatalogue()) {
        const std::size_t before = sent().size();
        prepareForReading(row, code, conn);
        const std::vector<Bytes> frames = sent();
        const std::vector<Bytes> prepared(frames.begin() + static_cast<std::ptrdiff_t>(before), frames.end());

        const auto setup = readSetups.find(row.family);
        std::vector<Bytes> expected;
        if (setup != readSetups.end()) {
            const std::size_t mark = sent().size();
            setup->second(conn, storage);
            const std::vector<Bytes> after = sent();
            expected.assign(after.begin() + static_cast<std::ptrdiff_t>(mark), after.end());
            EXPECT_FALSE(expected.empty()) << row.className;
        }
        EXPECT_EQ(prepared, expected) << row.className << " " << static_cast<int>(row.family);
    }
}

}  // namespace
}  // namespace vantrel
