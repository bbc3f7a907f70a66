// The cost of one snapshot with the real engine on the sample disc's title: the time from the
// snapshot command to the complete JPEG on disk (against the program's fixed 500 ms wait), and
// the memory and CPU one snapshot takes.
//   snapshot_latency SAMPLE_DISC_DIR [RUNS]
#include "engine/vlc_engine.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono;
using lumadisc::VlcEngine;

namespace {

constexpr int kSnapshotKey = 83, kActivateKey = 97;

double cpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A line of /proc/self/status, in kB ("VmRSS", "VmHWM").
long statusKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with(field + ":"))
            return std::stol(line.substr(field.size() + 1));
    return -1;
}

void pump(milliseconds length) {
    const auto end = steady_clock::now() + length;
    while (steady_clock::now() < end) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(10ms);
    }
}

bool completeJpeg(const std::filesystem::path& file) {
    QImageReader reader(QString::fromStdString(file.string()));
    return reader.format() == "jpeg" && !reader.read().isNull();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: snapshot_latency SAMPLE_DISC_DIR [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::stoi(argv[2]) : 20;
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    VlcEngine engine(0, {"--aout=dummy"});
    engine.setEngineVariable("key-snapshot", kSnapshotKey);
    engine.setEngineVariable("key-nav-activate", kActivateKey);
    const std::string path = folder.path().toStdString();
    engine.addItem("dvd://" + std::string(argv[1]) + "/lumadisc-sample.iso",
                   {"overlay", "no-overlay", "snapshot-path=" + path, "no-disable-screensaver",
                    "snapshot-path=" + path, "no-osd", "no-snapshot-preview", "snapshot-sequential",
                    "snapshot-prefix=IMG_", "snapshot-format=jpg"},
                   2, 0);
    engine.play();
    // Into the title from the menu's still, as a user does.
    for (int i = 0; i < 500 && !(engine.isPlaying() && engine.position() >= 0.9); ++i)
        pump(20ms);
    engine.setEngineVariable("key-pressed", kActivateKey);
    for (int i = 0; i < 500 && engine.elapsedSeconds() < 1; ++i)
        pump(20ms);

    // libvlc's decoding threads run all the while: their rate is taken off each snapshot's CPU.
    const double idleStart = cpuSeconds();
    const auto idleFrom = steady_clock::now();
    pump(1000ms);
    const double playingRate =
        (cpuSeconds() - idleStart) / duration<double>(steady_clock::now() - idleFrom).count();

    std::vector<double> latencies, cpu;
    std::vector<long> rssGrowth;
    const long peakBefore = statusKb("VmHWM");
    for (int run = 1; run <= runs; ++run) {
        char name[32];
        std::snprintf(name, sizeof name, "IMG_%05d.jpg", run);
        const std::filesystem::path file = std::filesystem::path(path) / name;
        const long rss = statusKb("VmRSS");
        const double cpuFrom = cpuSeconds();
        const auto from = steady_clock::now();
        engine.setEngineVariable("key-pressed", kSnapshotKey);
        // The command returns when the engine is done; anything later would show here.
        while (!std::filesystem::exists(file) && steady_clock::now() - from < 2s)
            std::this_thread::sleep_for(1ms);
        const double seconds = duration<double>(steady_clock::now() - from).count();
        cpu.push_back((cpuSeconds() - cpuFrom - playingRate * seconds) * 1000);
        rssGrowth.push_back(statusKb("VmRSS") - rss);
        if (!completeJpeg(file)) {
            std::fprintf(stderr, "run %d: no complete JPEG %s\n", run, file.c_str());
            return 1;
        }
        latencies.push_back(seconds * 1000);
        pump(300ms);
    }
    std::vector<double> sorted = latencies;
    std::sort(sorted.begin(), sorted.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("runs %d\nlatency_ms median %.1f worst %.1f\n", runs, sorted[sorted.size() / 2],
                sorted.back());
    std::printf("cpu_ms_per_snapshot median %.1f worst %.1f (decoding at %.0f%% of a core "
                "taken off)\n",
                cpu[cpu.size() / 2], cpu.back(), playingRate * 100);
    std::printf("rss_growth_kb median %ld worst %ld\npeak_rss_growth_kb %ld\n",
                rssGrowth[rssGrowth.size() / 2],
                *std::max_element(rssGrowth.begin(), rssGrowth.end()),
                statusKb("VmHWM") - peakBefore);
    return 0;
}
