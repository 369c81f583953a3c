#include "files/fileModule.h"

#include "files/archiveCodec.h"
#include "files/fileBytes.h"
#include "model/SoftpotCatalogue.h"
#include "model/radioIdentity.h"
#include "model/radioStorage.h"

#include <ctime>
#include <random>

namespace vantrel {

namespace {

void storeGroup(const ArchiveGroup& group, const ArchiveFields& fields, std::size_t first, radioStorage& storage) {
    for (std::size_t i = 0; i < group.places.size(); ++i)
        storage.setValue(group.places[i].row, group.places[i].entry, fields[first + i]);
}

// Every group by its presence rule; the DAC values and the low-band marker only come with
// the K and M group.
void storeFields(const ArchiveFields& fields, radioStorage& storage) {
    std::size_t first = 0;
    for (const ArchiveGroup& group : archiveGroups()) {
        if (group.presence == Presence::Always) {
            storeGroup(group, fields, first, storage);
        } else if (group.presence == Presence::Marker) {
            if (fields[first] == ArchiveLayout::kAbsent) {
                storage.markUnsupported(group.code);
            } else {
                storage.markSupported(group.code);
                storeGroup(group, fields, first, storage);
            }
        }
        first += group.places.size();
    }
    if (!storage.isSupported(catalogueRow(SoftpotFamily::KandM).code)) return;
    first = 0;
    for (const ArchiveGroup& group : archiveGroups()) {
        if (group.presence == Presence::WithKAndM) storeGroup(group, fields, first, storage);
        first += group.places.size();
    }
    updateLowBandMarker(storage);
}

}  // namespace

fileModule::fileModule() : keys_(&fileModule::timeSeededKey) {}

fileModule::fileModule(KeySource keys) : keys_(keys ? std::move(keys) : KeySource(&fileModule::timeSeededKey)) {}

int fileModule::timeSeededKey() {
    std::minstd_rand generator(static_cast<std::minstd_rand::result_type>(std::time(nullptr)));
    return std::uniform_int_distribution<int>(0, ArchiveFormat::kMaxKey)(generator);
}

int fileModule::nextKey() {
    const int range = ArchiveFormat::kMaxKey + 1;
    return ((keys_() % range) + range) % range;
}

bool fileModule::saveArchive(const std::filesystem::path& path, const radioStorage& storage) {
    const auto text = archiveBytes(storage);
    return text && replaceFile(path, *text);
}

std::optional<std::string> fileModule::archiveBytes(const radioStorage& storage) {
    return encodeArchive(storage, nextKey());
}

ArchiveLoadResult fileModule::loadArchive(const std::filesystem::path& path, radioStorage& storage) {
    const auto data = readFileHead(path, ArchiveFormat::kReadLimit);
    if (!data) return ArchiveLoadResult::NotOpenable;
    return loadArchiveData(*data, storage);
}

ArchiveLoadResult fileModule::loadArchiveData(std::string_view data, radioStorage& storage) {
    const DecodedArchive archive = decodeArchive(data.substr(0, ArchiveFormat::kReadLimit));
    if (!archive.signatureFound || !archive.identityComplete) return ArchiveLoadResult::NotAnArchive;

    const bool compatible = archive.version > ArchiveLayout::kLastIncompatibleVersion;
    const bool tunable = radioStorage::isTunableProcedure(archive.tuningProcedureVersion);
    // A damaged body (cut short, not numbers) is found before anything is stored, so such a
    // file cannot leave a half-loaded radio image behind.
    if (compatible && tunable && !archive.fields) return ArchiveLoadResult::NotAnArchive;

    storage.setSerialNumber(archive.serialNumber);
    storage.setModelNumber(archive.modelNumber);
    if (!compatible) return ArchiveLoadResult::IncompatibleVersion;
    storage.setDataVersion(archive.version);
    storage.setTuningProcedureVersion(archive.tuningProcedureVersion);
    if (!tunable) return ArchiveLoadResult::InvalidTuningProcedureVersion;

    storeFields(*archive.fields, storage);
    return ArchiveLoadResult::Loaded;
}

}  // namespace vantrel
