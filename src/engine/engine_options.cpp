#include "engine/engine_options.h"

namespace lumadisc {

EngineOptions EngineOptions::parse(const std::vector<std::string>& options) {
    const std::string snapshotPath = "snapshot-path=";
    const std::string snapshotPrefix = "snapshot-prefix=";
    const std::string snapshotFormat = "snapshot-format=";

    EngineOptions result;
    for (const auto& option : options) {
        if (option == "overlay") {
            result.overlay = true;
        } else if (option == "no-overlay") {
            result.overlay = false;
        } else if (option == "disable-screensaver") {
            result.disableScreensaver = true;
        } else if (option == "no-disable-screensaver") {
            result.disableScreensaver = false;
        } else if (option.starts_with(snapshotPath)) {
            result.snapshotFolder = option.substr(snapshotPath.size());
        } else if (option.starts_with(snapshotPrefix)) {
            result.snapshotPrefix = option.substr(snapshotPrefix.size());
        } else if (option.starts_with(snapshotFormat) && option.size() > snapshotFormat.size()) {
            result.snapshotFormat = option.substr(snapshotFormat.size());
        }
        // "no-osd" and "no-snapshot-preview" are always in force, and the adapter always numbers
        // snapshots in sequence, so "snapshot-sequential" and anything else change nothing.
    }
    return result;
}

std::vector<std::string> EngineOptions::instanceArguments() const {
    std::vector<std::string> arguments;
    if (!overlay) {
        // Neither OpenGL flavour may be picked, which leaves the plain X11 outputs.
        arguments.push_back("--gl=none");
        arguments.push_back("--gles2=none");
    }
    if (disableScreensaver)
        arguments.push_back(*disableScreensaver ? "--disable-screensaver"
                                                : "--no-disable-screensaver");
    return arguments;
}

std::vector<std::string> EngineOptions::mediaOptions() const {
    // The player resets its own avcodec-hw when it is made and when it gets a window, so the
    // decoder choice has to travel with the media.
    if (!overlay)
        return {":avcodec-hw=none"};
    return {};
}

} // namespace lumadisc
