#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

class radioStorage;

enum class ArchiveLoadResult {
    Loaded,
    NotOpenable,
    NotAnArchive,
    IncompatibleVersion,
    // The archive's tuning procedure version is neither 1 nor 2: tuning stays blocked.
    InvalidTuningProcedureVersion,
};

// Reads and writes softpot archives (*.sfp): the whole radio storage of one radio.
class fileModule {
public:
    // Supplies the additive key of each saved file, 0..32767 (other values are reduced into
    // that range). Tests inject a fixed one; the program draws from a time-seeded generator.
    using KeySource = std::function<int()>;

    fileModule();
    explicit fileModule(KeySource keys);

    // True when the whole archive was written. The file is written beside `path` and renamed
    // into place, so a failed save leaves any earlier file of that name as it was.
    bool saveArchive(const std::filesystem::path& path, const radioStorage& storage);
    // The bytes saveArchive would write, for writing them elsewhere; nothing when the storage
    // cannot be encoded.
    std::optional<std::string> archiveBytes(const radioStorage& storage);

    // Loads an archive into the storage. As the tuner always has, a load refused for its
    // version has already set the serial and model number (and, for the tuning procedure
    // version, the data version and tuning procedure version); a file that is not an archive,
    // or whose value fields are damaged, leaves the storage untouched.
    ArchiveLoadResult loadArchive(const std::filesystem::path& path, radioStorage& storage);
    // The same on the first bytes of a file already read (at most 2000 are looked at).
    ArchiveLoadResult loadArchiveData(std::string_view data, radioStorage& storage);

    // A key from a generator seeded with the current time in seconds.
    static int timeSeededKey();

private:
    int nextKey();

    KeySource keys_;
};

}  // namespace vantrel
