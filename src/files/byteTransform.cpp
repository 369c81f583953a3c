#include "files/byteTransform.h"

namespace vantrel {

unsigned char transformByte(unsigned char b) {
    const unsigned base = (b & 1u) ? 128u : 40u;
    return static_cast<unsigned char>((base - b) & 0xFFu);
}

std::string byteTransform(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == '\0') break;
        c = static_cast<char>(transformByte(static_cast<unsigned char>(c)));
    }
    return out;
}

}  // namespace vantrel
