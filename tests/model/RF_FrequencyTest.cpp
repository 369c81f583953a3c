#include "model/RF_Frequency.h"

#include "model/radioStorage.h"

#include <gtest/gtest.h>

#include <array>

namespace vantrel {
namespace {

radioStorage withPoints(const std::array<std::int32_t, 7>& tx, const std::array<std::int32_t, 7>& rx) {
    radioStorage storage;
    for (int i = 0; i < 7; ++i) {
        storage.setValue(0, i, tx[i]);
        storage.setValue(0, 14 + i, rx[i]);
    }
    return storage;
}

TEST(RF_FrequencyTest, FirstLastAndMiddleUsedPoints) {
    RF_Frequency f;
    const radioStorage f2f5 = withPoints({0, 200, 0, 0, 500, 0, 0}, {0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(f.firstTxPoint(f2f5), 2);
    EXPECT_EQ(f.lastTxPoint(f2f5), 5);
    EXPECT_EQ(f.middleTxPoint(f2f5), 3);
    EXPECT_EQ(f.middleTxValue(f2f5), 0u);  // F3 itself is unused
    EXPECT_EQ(f.firstTxValue(f2f5), 200u);
    EXPECT_EQ(f.lastTxValue(f2f5), 500u);

    const radioStorage f4 = withPoints({0, 0, 0, 400, 0, 0, 0}, {110, 0, 0, 0, 0, 0, 770});
    EXPECT_EQ(f.firstTxPoint(f4), 4);
    EXPECT_EQ(f.lastTxPoint(f4), 4);
    EXPECT_EQ(f.middleTxPoint(f4), 4);
    EXPECT_EQ(f.middleTxValue(f4), 400u);

    // The receive list is scanned on its own.
    EXPECT_EQ(f.firstRxPoint(f4), 1);
    EXPECT_EQ(f.lastRxPoint(f4), 7);
    EXPECT_EQ(f.middleRxPoint(f4), 4);
    EXPECT_EQ(f.firstRxValue(f4), 110u);
    EXPECT_EQ(f.lastRxValue(f4), 770u);
    EXPECT_EQ(f.middleRxValue(f4), 0u);
}

TEST(RF_FrequencyTest, EmptyListHasNoPointAndNoValue) {
    RF_Frequency f;
    const radioStorage none = withPoints({0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(f.firstTxPoint(none), 0);
    EXPECT_EQ(f.lastTxPoint(none), 0);
    EXPECT_EQ(f.middleTxPoint(none), 0);
    EXPECT_EQ(f.middleTxValue(none), 0u);
    EXPECT_EQ(f.lastRxValue(none), 0u);
    EXPECT_EQ(f.firstUsedPoint(none, true), 0);
    EXPECT_EQ(f.partnerValue(none, false, true, 3), 0u);
}

TEST(RF_FrequencyTest, FrequencyInMHzKeepsTheKHz) {
    RF_Frequency f;
    EXPECT_DOUBLE_EQ(f.frequencyMHz(5440, 0), 136.0);
    EXPECT_EQ(f.lastKHz(), 136000u);
    EXPECT_DOUBLE_EQ(f.frequencyMHz(16000, 1), 400.005);
    EXPECT_EQ(f.lastKHz(), 400005u);
    // The largest plan values stay within unsigned 32-bit arithmetic.
    EXPECT_DOUBLE_EQ(f.frequencyMHz(65535, 65535), 1966.05);
}

TEST(RF_FrequencyTest, PartnerValueBorrowsTheFirstUsedValueOfItsList) {
    RF_Frequency f;
    const radioStorage storage = withPoints({0, 0, 300, 0, 500, 0, 0}, {0, 220, 0, 0, 520, 0, 0});

    // A receive family sending the transmit half of F2, which is unused there.
    EXPECT_EQ(f.partnerValue(storage, false, true, 2), 300u);
    EXPECT_EQ(f.partnerValue(storage, false, true, 5), 500u);
    EXPECT_EQ(f.partnerValue(storage, true, false, 3), 220u);
    EXPECT_EQ(f.partnerValue(storage, true, false, 5), 520u);
    // Receive wins when both halves are asked for; neither gives nothing.
    EXPECT_EQ(f.partnerValue(storage, true, true, 5), 520u);
    EXPECT_EQ(f.partnerValue(storage, false, false, 5), 0u);
    // Indices outside F1..F7 read no point and borrow.
    EXPECT_EQ(f.partnerValue(storage, false, true, 0), 300u);
    EXPECT_EQ(f.partnerValue(storage, false, true, 8), 300u);
    EXPECT_EQ(f.partnerValue(storage, false, true, -1), 300u);

    EXPECT_EQ(f.firstUsedPoint(storage, false), 3);
    EXPECT_EQ(f.firstUsedPoint(storage, true), 2);
}

}  // namespace
}  // namespace vantrel
