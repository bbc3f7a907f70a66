#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace lumadisc {

// What the program's option list ("overlay", "snapshot-path=/x", ...) asks of the engine. Most
// of these are instance-level settings that libvlc ignores as media options, so the adapter
// turns them into libvlc_new arguments and keeps the snapshot naming to itself.
struct EngineOptions {
    // GPU video output and hardware decoding ("overlay") or plain X11 output without them
    // ("no-overlay"); the later of the two wins.
    bool overlay = true;
    // Unset when the list names neither "disable-screensaver" nor "no-disable-screensaver".
    std::optional<bool> disableScreensaver;
    // The folder of the last "snapshot-path=" option; empty means snapshots go nowhere.
    std::filesystem::path snapshotFolder;
    std::string snapshotPrefix = "IMG_";
    std::string snapshotFormat = "jpg";

    static EngineOptions parse(const std::vector<std::string>& options);

    // The libvlc_new arguments these options need, beyond the adapter's fixed ones.
    std::vector<std::string> instanceArguments() const;
    // Options that libvlc honours per media item.
    std::vector<std::string> mediaOptions() const;
};

} // namespace lumadisc
