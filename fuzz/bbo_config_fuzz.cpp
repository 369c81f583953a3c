// Feeds arbitrary bytes to the baseband offset configuration reader: a file dropped beside the
// program is read whole or refused with BboConfigError, never a crash or a read out of bounds;
// and whatever the reader accepts and the writer can write reads back the same.
#include "utilities/bboConfigCodec.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vantrel::BboConfigDescription description;
    try {
        description = vantrel::parseBboConfig(bytes);
    } catch (const vantrel::BboConfigError&) {
        return 0;
    }
    if (description.records.size() > size) std::abort();  // every record takes bytes of the file
    for (const auto& entry : description.records) {
        if (entry.parameters.size() > 20 || entry.record.modelCode.size() != 3) std::abort();
    }
    std::string encoded;
    try {
        encoded = vantrel::encodeBboConfig(description);
    } catch (const vantrel::BboConfigError&) {
        return 0;  // a text the writer will not carry (one that the transform would cut short)
    }
    if (description.version == 0 && vantrel::encodeBboConfig(vantrel::parseBboConfig(encoded)) != encoded) std::abort();
    return 0;
}
