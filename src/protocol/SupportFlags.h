#pragma once

namespace vantrel {

// Where a recording exchange notes whether the radio supports a softpot family. The radio
// storage is the one implementation; the protocol only needs these three operations.
class SupportFlags {
public:
    virtual ~SupportFlags() = default;
    virtual bool isSupported(int code) const = 0;
    virtual void markSupported(int code) = 0;
    virtual void markUnsupported(int code) = 0;
};

// Support codes that name capabilities of the radio rather than softpot families; the families'
// own codes are in the softpot catalogue.
namespace supportCode {
inline constexpr int kNone = 0;
inline constexpr int kAllPointsRead = 20;
inline constexpr int kAllPointsWrite = 21;
inline constexpr int kRecordedPowerCommit = 27;
}  // namespace supportCode

}  // namespace vantrel
