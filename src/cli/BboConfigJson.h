#pragma once

#include "utilities/bboConfigCodec.h"

#include <string>

namespace vantrel::cli {

// The readable form of a baseband offset configuration, so that a service centre can read one
// and write its own: JSON with the key, the version, the line ending and every record with its
// parameters. Trailing blanks of the parameter names are left out; encoding pads them again.
std::string describeBboConfig(const BboConfigDescription& description);
// BboConfigError for JSON that is not such a description.
BboConfigDescription bboConfigFromJson(const std::string& json);

// The description of a file that encodes back to exactly its bytes; BboConfigError otherwise
// (a file of another version, mixed line endings, numbers not in their plain form, texts that
// are no plain characters).
BboConfigDescription decodeBboConfigFile(const std::string& bytes);

}  // namespace vantrel::cli
