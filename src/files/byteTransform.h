#pragma once

#include <string>
#include <string_view>

namespace vantrel {

// The substitution that hides the identity texts of a softpot archive and the text fields of
// the baseband offset configuration file. Odd bytes b become 128 - b, even bytes 40 - b (both
// modulo 256); applied twice it gives the original bytes back.
unsigned char transformByte(unsigned char b);

// Transforms every byte up to the first NUL; the NUL and whatever follows it are copied
// unchanged, as the files have always been written. The result has the input's length.
std::string byteTransform(std::string_view text);

}  // namespace vantrel
