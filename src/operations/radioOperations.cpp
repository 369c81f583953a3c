#include "operations/radioOperations.h"

#include "model/SoftpotCatalogue.h"
#include "model/SoftpotReads.h"
#include "model/radioIdentity.h"
#include "model/radioStorage.h"
#include "model/radiomodel.h"
#include "model/txPABiasHighVoltageData.h"
#include "operations/ProgressSink.h"
#include "protocol/RadioProtocolError.h"
#include "protocol/ZIRKCodes.h"
#include "protocol/cominit.h"

#include <algorithm>
#include <array>
#include <string>

namespace vantrel {

namespace {

using F = SoftpotFamily;
using Response = EnhancedZIRK::Response;

// A radio that started normally reports one of these two power-up statuses.
constexpr std::uint8_t kPowerUpNormal[] = {0, 32};
constexpr std::size_t kStatusByte = 3;
constexpr std::uint8_t kReadDataVersion = 35;

// The baseband offset registers, read in this order into row 13: the five selectors of index
// 1 (12.5 kHz), then of index 2 and 3.
constexpr int kBasebandRow = 13;
constexpr std::uint8_t kBasebandSelectors[] = {5, 0, 2, 10, 8};
constexpr std::uint8_t kBasebandIndices[] = {1, 2, 3};
constexpr std::size_t kBasebandValueByte = 3;

// One pass over a radio that answered its power-up request as fit to be read, on one
// connection. Each step stores what the radio answered normally; an unsupported answer only
// clears the family's flag.
class ReadPass {
public:
    ReadPass(radioStorage& storage, ProgressSink& progress, EnhancedZIRK& conn)
        : storage_(storage), progress_(progress), conn_(conn) {}

    // False when the plan has no used transmit point or no used receive point.
    bool identityAndPlan() {
        readIdentity(conn_, storage_);
        reportProgress(progress_, 5);
        if (!readFrequencyPlan(conn_, storage_).usable()) return false;
        reportProgress(progress_, 10);
        return true;
    }

    void softpots() {
        read(F::ReferenceOscillator);
        reportProgress(progress_, 15);
        transmitPower();
        reportProgress(progress_, 25);
        read(F::ModulationBalance);
        reportProgress(progress_, 30);
        vcoAttenuation();
        // Only a radio with modulation balance is asked about its PA voltage limit.
        if (storage_.isSupported(catalogueRow(F::ModulationBalance).code)) read(F::PaVoltageLimit);
        read(F::Dtmf);
        paBias();
        for (const F family :
             {F::Dalmor, F::Select5, F::HighSpeedTrunking, F::Mpt1327, F::BatteryThreshold, F::FrontEndFilter}) {
            read(family);
        }
        reportProgress(progress_, 65);
        autoSquelch();
        ratedVolume();
        read(F::RssiThresholds);
    }

    void tempCompAndBaseband() {
        readTempComp(conn_, storage_);
        basebandOffsets();
    }

private:
    bool supported(F family) const { return storage_.isSupported(catalogueRow(family).code); }

    // Puts the radio into the family's test mode, then reads it.
    void read(F family) {
        const SoftpotFamilyRow& row = catalogueRow(family);
        prepareForReading(row, channelSpacingCode(storage_), conn_);
        readFamily(row, storage_, conn_);
    }
    void readInCurrentTestMode(F family) { readFamily(catalogueRow(family), storage_, conn_); }

    void transmitPower() {
        if (storage_.usesSecondTuningProcedure()) {
            read(F::KandM);
            updateLowBandMarker(storage_);
            reportProgress(progress_, 25);
            return;
        }
        read(F::TransmitHighPower);
        reportProgress(progress_, 20);
        readInCurrentTestMode(F::Softpot28);
        reportProgress(progress_, 22);
        if (!supported(F::TransmitHighPower)) return;
        read(F::TransmitLowPower);
        reportProgress(progress_, 25);
    }

    void vcoAttenuation() {
        read(F::VcoAttenuation25);
        reportProgress(progress_, 40);
        if (!supported(F::VcoAttenuation25)) return;
        read(F::VcoAttenuation20);
        reportProgress(progress_, 50);
        read(F::VcoAttenuation125);
        reportProgress(progress_, 55);
    }

    // The high-level biases; the second procedure has no low-power bias, so only the first
    // procedure reads the low-level ones.
    void paBias() {
        prepareForReading(catalogueRow(F::PaBiasHigh), channelSpacingCode(storage_), conn_);
        txPABiasHighVoltageData().readInto(storage_, conn_);
        if (storage_.usesSecondTuningProcedure()) {
            storage_.markUnsupported(catalogueRow(F::PaBiasLow).code);
            return;
        }
        prepareForReading(catalogueRow(F::PaBiasLow), channelSpacingCode(storage_), conn_);
        txPABiasLowVoltageData().readInto(storage_, conn_);
    }

    void autoSquelch() {
        read(F::AutoSquelch125);
        reportProgress(progress_, 75);
        if (!supported(F::AutoSquelch125)) return;
        read(F::AutoSquelch20);
        reportProgress(progress_, 80);
        read(F::AutoSquelch25);
        reportProgress(progress_, 85);
    }

    void ratedVolume() {
        read(F::RatedVolume);
        reportProgress(progress_, 90);
        if (!supported(F::RatedVolume) || !radiomodel().isSollenCapable(storage_)) return;
        read(F::RatedVolumeSollen);
        reportProgress(progress_, 95);
    }

    // A radio that keeps its baseband offsets in registers answers the first read with 0x88;
    // any other answer (the codeplug kind of radio) leaves row 13 as it was. So does any later
    // read that is not answered with 0x88: byte 3 of another answer is no offset, and the
    // baseband offset update would take it for one.
    void basebandOffsets() {
        const Response first = basebandRead(kBasebandSelectors[0], kBasebandIndices[0]);
        const bool registers = isBasebandValue(first);
        storage_.setRadioBboMode(registers ? 1 : 0);
        if (!registers) return;
        int entry = 0;
        for (const std::uint8_t index : kBasebandIndices) {
            for (const std::uint8_t selector : kBasebandSelectors) {
                const Response reply = entry == 0 ? first : basebandRead(selector, index);
                if (isBasebandValue(reply)) storage_.setValue(kBasebandRow, entry, reply[kBasebandValueByte]);
                ++entry;
            }
        }
    }

    static bool isBasebandValue(const Response& reply) { return reply[1] == opcodes::kBaseband; }

    // The unsupported answer is an answer, not a failure, whether it came with the
    // acknowledgement or late (when the protocol raises it).
    Response basebandRead(std::uint8_t selector, std::uint8_t index) {
        Response reply{};
        try {
            conn_.readBBO(selector, index, reply);
        } catch (const UnsupportedMessage&) {
            reply = {};
            reply[1] = opcodes::kUnsupported;
        }
        return reply;
    }

    radioStorage& storage_;
    ProgressSink& progress_;
    EnhancedZIRK& conn_;
};

std::uint8_t powerUpStatus(EnhancedZIRK& conn) {
    Response reply{};
    conn.readPowerUpStatus(reply);
    return reply[kStatusByte];
}

bool startedNormally(std::uint8_t status) {
    return std::find(std::begin(kPowerUpNormal), std::end(kPowerUpNormal), status) != std::end(kPowerUpNormal);
}

}  // namespace

ReadOutcome radioOperations::readRadio(radioStorage& storage, ProgressSink& progress) {
    cominit conn;
    const std::uint8_t status = powerUpStatus(conn);
    if (!startedNormally(status)) {
        progress.setPercent(100);
        return ReadOutcome::powerUpFailure(status);
    }
    ReadPass pass(storage, progress, conn);
    if (!pass.identityAndPlan()) return ReadOutcome::unusableFrequencyPlan();
    pass.softpots();
    pass.tempCompAndBaseband();
    progress.setPercent(100);
    conn.reset();
    storage.setDataVersion(kReadDataVersion);
    return ReadOutcome::complete();
}

bool radioOperations::serialMatches(const radioStorage& storage, EnhancedZIRK& conn) const {
    Response reply{};
    conn.readSerialNumber(reply);
    const std::string radio = decodeSerialNumber(reply);
    // A stored serial shorter than ten characters ("Invalid", or nothing read yet) cannot match.
    const std::string& stored = storage.serialNumber();
    return stored.size() >= radio.size() && std::equal(radio.begin(), radio.end(), stored.begin());
}

}  // namespace vantrel
