#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace vantrel {

// The bytes of the last acknowledged read: the echo of the request, the first byte of the
// acknowledgement, and whatever response had already arrived behind it. The all-points
// softpot read takes its point values from here after its exchange has ended.
class CaptureArea {
public:
    static constexpr std::uint32_t kSize = 50;
    // Echo, acknowledgement byte and at least one captured byte must fit.
    static constexpr std::uint32_t kLongestRequest = kSize - 2;

    void clear();
    std::uint8_t* bytes() { return bytes_.data(); }
    std::uint8_t byte(std::uint32_t i) const { return i < kSize ? bytes_[i] : 0; }
    std::uint32_t echoLength() const { return echoLength_; }
    void setEchoLength(std::uint32_t n) { echoLength_ = n; }

    bool hasCapturedResponse() const;
    bool capturedIsUnsupported() const;
    std::uint8_t capturedPayloadByte(std::uint32_t i) const;
    std::uint32_t capturedValue8() const { return capturedPayloadByte(1); }
    std::uint32_t capturedValue16() const;
    std::uint32_t capturedValue32() const;
    // Copies the captured response, header first, into as much of the buffer as it covers.
    void copyCapturedResponse(std::span<std::uint8_t> buffer) const;

private:
    std::uint32_t responseStart() const { return echoLength_ + 1; }
    std::uint32_t capturedHeaderLength() const;

    std::array<std::uint8_t, kSize> bytes_{};
    std::uint32_t echoLength_ = 0;
};

// One area shared by every exchange of the thread that runs the radio link.
CaptureArea& captureArea();

}  // namespace vantrel
