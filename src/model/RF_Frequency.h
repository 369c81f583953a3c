#pragma once

#include <array>
#include <cstdint>

namespace vantrel {

class radioStorage;

// The frequency points F1..F7 of the stored plan: which are used, and at what frequency.
// Point indices are 1..7; 0 stands for "no point". A point value is an offset in 5 kHz steps
// above the band base (25 kHz steps); 0 marks a point the radio does not use.
class RF_Frequency {
public:
    static constexpr int kPoints = 7;

    int firstTxPoint(const radioStorage& s) { return firstPoint(scan(s, kTransmit)); }
    int lastTxPoint(const radioStorage& s) { return lastPoint(scan(s, kTransmit)); }
    int middleTxPoint(const radioStorage& s) { return middlePoint(scan(s, kTransmit)); }
    std::uint32_t firstTxValue(const radioStorage& s) { return valueAt(firstTxPoint(s)); }
    std::uint32_t lastTxValue(const radioStorage& s) { return valueAt(lastTxPoint(s)); }
    std::uint32_t middleTxValue(const radioStorage& s) { return valueAt(middleTxPoint(s)); }

    int firstRxPoint(const radioStorage& s) { return firstPoint(scan(s, kReceive)); }
    int lastRxPoint(const radioStorage& s) { return lastPoint(scan(s, kReceive)); }
    int middleRxPoint(const radioStorage& s) { return middlePoint(scan(s, kReceive)); }
    std::uint32_t firstRxValue(const radioStorage& s) { return valueAt(firstRxPoint(s)); }
    std::uint32_t lastRxValue(const radioStorage& s) { return valueAt(lastRxPoint(s)); }
    std::uint32_t middleRxValue(const radioStorage& s) { return valueAt(middleRxPoint(s)); }

    // kHz = bandBase x 25 + pointValue x 5; remembered, and returned in MHz.
    double frequencyMHz(std::uint32_t bandBase, std::uint32_t pointValue);
    std::uint32_t lastKHz() const { return lastKHz_; }

    // The value a family sends for the other half of point n: the receive value when
    // wantReceive, else the transmit value when wantTransmit. A point whose half is unused
    // borrows the first used value of that list, so the radio is never sent an empty channel.
    // 0 when the list has no used point at all (possible only after an archive load), or when
    // neither half is asked for.
    std::uint32_t partnerValue(const radioStorage& s, bool wantReceive, bool wantTransmit, int n);
    // The 1-based index of the first used point of the receive or the transmit list; 0 when
    // the list has none.
    int firstUsedPoint(const radioStorage& s, bool receive) {
        return firstPoint(scan(s, receive ? kReceive : kTransmit));
    }

    // Row 0 entry of point n's transmit or receive value.
    static int transmitEntry(int n) { return n - 1; }
    static int receiveEntry(int n) { return kFirstReceiveEntry + n - 1; }

private:
    static constexpr int kFirstReceiveEntry = 14;
    enum List { kTransmit, kReceive };

    const std::array<std::uint32_t, kPoints>& scan(const radioStorage& s, List list);
    int firstPoint(const std::array<std::uint32_t, kPoints>& points) const;
    int lastPoint(const std::array<std::uint32_t, kPoints>& points) const;
    int middlePoint(const std::array<std::uint32_t, kPoints>& points) const;
    std::uint32_t valueAt(int point) const { return point == 0 ? 0 : points_[point - 1]; }

    const radioStorage* storage_ = nullptr;
    std::array<std::uint32_t, kPoints> points_{};
    std::uint32_t lastKHz_ = 0;
};

}  // namespace vantrel
