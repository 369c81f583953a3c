#include "cli/IdentityOutput.h"

#include "model/RF_Frequency.h"
#include "model/radioIdentity.h"
#include "model/radioStorage.h"

#include <cstdio>
#include <optional>
#include <ostream>
#include <string>

namespace vantrel::cli {

namespace {

// The frequency of one half of point n in MHz, or nothing when the point is not used.
std::optional<double> pointMHz(const radioStorage& storage, int n, bool transmit) {
    const auto base = static_cast<std::uint32_t>(storage.value(identity::kPlanRow, identity::kBandBaseEntry));
    const int entry = transmit ? RF_Frequency::transmitEntry(n) : RF_Frequency::receiveEntry(n);
    const auto offset = static_cast<std::uint32_t>(storage.value(identity::kPlanRow, entry));
    if (offset == 0) return std::nullopt;
    return RF_Frequency().frequencyMHz(base, offset);
}

std::string jsonString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20 || byte >= 0x7F) {
            // Bytes of the radio's own character set, taken as Latin-1.
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string jsonNumber(std::optional<double> mhz) {
    if (!mhz) return "null";
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", *mhz);
    return text;
}

}  // namespace

void printIdentity(const radioStorage& storage, std::ostream& out) {
    out << "Radio Serial No :" << storage.serialNumber() << '\n'
        << "Radio Model No: " << storage.modelNumber() << '\n'
        << "Tuning procedure version: " << storage.tuningProcedureVersion() << '\n';
    for (int n = 1; n <= RF_Frequency::kPoints; ++n) {
        const auto mhz = [&](bool transmit) {
            const auto value = pointMHz(storage, n, transmit);
            return value ? std::to_string(*value) + " MHz" : std::string("unused");
        };
        char line[128];
        std::snprintf(line, sizeof line, "F%d  Tx %-12s Rx %s\n", n, mhz(true).c_str(), mhz(false).c_str());
        out << line;
    }
}

void printIdentityJson(const radioStorage& storage, std::ostream& out) {
    out << "{\"serialNumber\": " << jsonString(storage.serialNumber())
        << ", \"modelNumber\": " << jsonString(storage.modelNumber())
        << ", \"tuningProcedureVersion\": " << storage.tuningProcedureVersion() << ", \"points\": [";
    for (int n = 1; n <= RF_Frequency::kPoints; ++n) {
        out << (n == 1 ? "" : ", ") << "{\"point\": \"F" << n
            << "\", \"transmitMHz\": " << jsonNumber(pointMHz(storage, n, true))
            << ", \"receiveMHz\": " << jsonNumber(pointMHz(storage, n, false)) << "}";
    }
    out << "]}\n";
}

}  // namespace vantrel::cli
