#include "utilities/bboMatching.h"

#include "model/codeplugAccess.h"
#include "model/radioStorage.h"
#include "model/radiomodel.h"
#include "protocol/cominit.h"
#include "utilities/bboConfigFileModule.h"
#include "utilities/utilityMessages.h"

#include <memory>
#include <string_view>

namespace vantrel {

namespace {

constexpr std::size_t kSystemLetterPosition = 8;

bool namesModel(const BboConfigRecord& record, std::string_view model, std::size_t offset) {
    const std::size_t letter = offset + kSystemLetterPosition;
    return model.size() > letter && model.substr(offset, record.modelCode.size()) == record.modelCode &&
           model[letter] == record.systemLetter;
}

bool probeInRange(const BboConfigRecord& record, EnhancedZIRK& conn) {
    const std::uint8_t probe = readCodeplugBytes(conn, record.probeAddress, 1).front();
    return record.probeLow <= probe && probe <= record.probeHigh;
}

// The radio has matched the record now in the storage.
bool buildParameterTable(radioStorage& storage, bboConfigFileModule& config, MessageInteraction& ui) {
    if (!storage.prepareParameterTable()) {
        messages::tell(ui, messages::kBboTableFailed);
        return false;
    }
    if (storage.radioBboMode() == 0) {
        for (BboParameter& entry : storage.parameterTable()) config.readParameter(entry);
    }
    return true;
}

}  // namespace

bool prepareBasebandUpdate(radioStorage& storage, bboConfigFileModule& config, MessageInteraction& ui) {
    if (storage.radioBboMode() == 0) {
        if (!config.open()) {
            messages::tell(ui, messages::kBboConfigMissing);
            return false;
        }
        if (!config.readAll()) {
            messages::tell(ui, messages::kBboConfigUnreadable);
            return false;
        }
    }
    return matchConfiguration(storage, config, ui);
}

bool matchConfiguration(radioStorage& storage, bboConfigFileModule& config, MessageInteraction& ui) {
    const bool fileMode = storage.radioBboMode() == 0;
    int remaining = 1;
    if (fileMode) {
        storage.setConfigUnsupported(config.versionVerdict());
        if (storage.configUnsupported() != 0) {
            messages::tell(ui, messages::kBboConfigVersion);
            return false;
        }
        remaining = config.recordCount();
        storage.setConfigRecordCount(remaining);
    }
    const std::size_t offset = radiomodel().basebandOffset(storage);
    std::unique_ptr<cominit> conn;
    try {
        conn = std::make_unique<cominit>();
        for (; remaining > 0; --remaining) {
            if (fileMode) {
                if (!config.readRecord(storage.configRecord())) break;
                if (!namesModel(storage.configRecord(), storage.modelNumber(), offset)) continue;
                if (!probeInRange(storage.configRecord(), *conn)) continue;
            }
            conn.reset();
            return buildParameterTable(storage, config, ui);
        }
    } catch (const std::exception&) {
        conn.reset();
        messages::tell(ui, messages::kBboNotVerified);
        return false;
    }
    conn.reset();
    messages::tell(ui, messages::kBboNoMatch);
    return false;
}

}  // namespace vantrel
