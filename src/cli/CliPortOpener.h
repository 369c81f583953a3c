#pragma once

#include "cli/CliOptions.h"
#include "link/PortOpener.h"

#include <memory>

namespace vantrel::cli {

// The opener that --port or --device asks for, or none when the configured port is to be used.
std::unique_ptr<PortOpener> makeCliPortOpener(const CliOptions& options);

}  // namespace vantrel::cli
