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

}  // namespace vantrel
