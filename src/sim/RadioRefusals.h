#pragma once

#include <stdexcept>

namespace vantrel::sim {

// The radio's two ways of turning down a request it has received intact. Thrown by the model
// and turned into wire bytes by the request table.

// The request makes no sense to the radio (malformed payload, address out of range): it
// answers with the refusal 0x61 0x9E and does nothing.
class RequestRefused : public std::runtime_error {
public:
    explicit RequestRefused(const char* why) : std::runtime_error(why) {}
};

// The radio lacks the softpot, the register or the operation: it acknowledges and answers 0x86.
class RequestUnsupported : public std::runtime_error {
public:
    explicit RequestUnsupported(const char* why) : std::runtime_error(why) {}
};

}  // namespace vantrel::sim
