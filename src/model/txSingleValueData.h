#pragma once

#include "model/softpotBase.h"

#include <span>

namespace vantrel {

// A transmit family with one value for the whole radio and one fixed test mode (the
// signalling deviations, the PA biases, the battery threshold).
class txSingleValueData : public softpotBase {
public:
    virtual ~txSingleValueData() = default;

    virtual void setupTestMode(EnhancedZIRK& conn) const;
    // Mode 1 of the primary family's softpot, in its width.
    virtual void commit(std::uint32_t value, EnhancedZIRK& conn) const;
    // The primary family, or the class's group of families, each stored when answered.
    virtual void readInto(radioStorage& storage, EnhancedZIRK& conn) const;

protected:
    txSingleValueData(SoftpotFamily primary, std::uint8_t function, std::uint8_t level,
                      std::span<const SoftpotFamily> group = {});
    txSingleValueData(const txSingleValueData&) = default;
    txSingleValueData& operator=(const txSingleValueData&) = default;

private:
    std::uint8_t function_;
    std::uint8_t level_;
    std::span<const SoftpotFamily> group_;
};

class txDTMFData : public txSingleValueData {
public:
    txDTMFData();
};

class txDalmorData : public txSingleValueData {
public:
    txDalmorData();
};

class txSelect5Data : public txSingleValueData {
public:
    txSelect5Data();
};

class txMPT1200Data : public txSingleValueData {
public:
    txMPT1200Data();
};

class txHSSData : public txSingleValueData {
public:
    txHSSData();
};

}  // namespace vantrel
