// Feeds arbitrary files to the softpot archive reader: whatever a user drops on the program,
// loading ends with one of the load results, never a crash or an access out of bounds.
#include "files/byteTransform.h"
#include "files/fileModule.h"
#include "model/radioStorage.h"

#include <unistd.h>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// A sound header: serial, model and version 35 ('#') through the byte transform, tuning
// procedure version 2, the reserved 0 and the one-digit key 0.
const std::string kSoundHeader =
    ":KOVIR" + vantrel::byteTransform("0000000000") + vantrel::byteTransform("M42KAB4DEFGHIJK#") + "2010";

const std::filesystem::path& scratchArchive() {
    // A memory-backed folder where there is one: a disk write per input would slow the run
    // down a hundredfold.
    static const std::filesystem::path folder = std::filesystem::is_directory("/dev/shm")
                                                    ? std::filesystem::path("/dev/shm")
                                                    : std::filesystem::temp_directory_path();
    static const std::filesystem::path path = folder / ("vantrel-archive-fuzz-" + std::to_string(::getpid()) + ".sfp");
    static const bool cleanup = [] {
        std::atexit([] { std::remove(scratchArchive().string().c_str()); });
        return true;
    }();
    (void)cleanup;
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path& path = scratchArchive();
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    if (!file) return 0;
    // An even first byte puts the rest behind the sound header, so the run spends its time in
    // the value fields rather than rediscovering the header; an odd one takes the rest as the
    // whole file.
    if (size > 0 && data[0] % 2 == 0) std::fwrite(kSoundHeader.data(), 1, kSoundHeader.size(), file);
    if (size > 1) std::fwrite(data + 1, 1, size - 1, file);
    std::fclose(file);

    vantrel::radioStorage storage;
    vantrel::fileModule archive([] { return 12; });
    const vantrel::ArchiveLoadResult result = archive.loadArchive(path, storage);
    if (result == vantrel::ArchiveLoadResult::NotOpenable) std::abort();  // we just wrote it
    return 0;
}
