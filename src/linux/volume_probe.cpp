#include "linux/volume_probe.h"

#include <blkid/blkid.h>

#include <memory>

namespace lumadisc {

namespace {

struct ProbeDeleter {
    void operator()(blkid_probe probe) const { blkid_free_probe(probe); }
};
using Probe = std::unique_ptr<std::remove_pointer_t<blkid_probe>, ProbeDeleter>;

std::string lookup(blkid_probe probe, const char* name) {
    const char* value = nullptr;
    if (blkid_probe_lookup_value(probe, name, &value, nullptr) != 0 || !value)
        return {};
    return value;
}

} // namespace

std::optional<Drives::VolumeInfo> probeVolume(const std::string& path) {
    Probe probe(blkid_new_probe_from_filename(path.c_str()));
    if (!probe)
        return std::nullopt;
    blkid_probe_enable_superblocks(probe.get(), 1);
    blkid_probe_set_superblocks_flags(probe.get(), BLKID_SUBLKS_LABEL | BLKID_SUBLKS_TYPE);
    if (blkid_do_safeprobe(probe.get()) != 0)
        return std::nullopt;
    Drives::VolumeInfo info{lookup(probe.get(), "LABEL"), lookup(probe.get(), "TYPE")};
    if (info.fileSystem.empty())
        return std::nullopt;
    return info;
}

} // namespace lumadisc
