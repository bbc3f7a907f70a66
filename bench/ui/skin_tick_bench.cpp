// The status tick through the real views and the shipped skins, over a fake engine, on the
// offscreen platform (Qt Quick draws in software there; under X it draws with OpenGL).
//
// BM_UiTickCall: one tick as the timer driver runs it (the core handler, then every view
// brought in line), without the rendering that follows.
// BM_UiTickLoop: the event loop running the program's own 100 Hz timer for a second of real
// time, counting the skins' renders and the process's CPU time.
// BM_TimerFloor: the same event loop with an empty 100 Hz timer, what any tick costs at least.
#include "core/shell/main_form.h"
#include "core/shell/program.h"
#include "ui/dvd_bar_view.h"
#include "ui/main_window_view.h"
#include "ui/qml_skin_movie.h"
#include "ui/skin_test_support.h"
#include "ui/view_hub.h"

#include "support/fake_clock.h"
#include "support/fake_drives.h"
#include "support/fake_engine.h"
#include "support/fake_environment.h"
#include "support/fake_services.h"
#include "support/journal.h"
#include "support/test_paths.h"

#include <QEventLoop>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <filesystem>

namespace lumadisc {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

enum class Scene { Idle, Paused, Playing };

const char* sceneName(Scene scene) {
    switch (scene) {
    case Scene::Idle:
        return "idle (no disc)";
    case Scene::Paused:
        return "paused";
    case Scene::Playing:
        return "playing";
    }
    return "";
}

// The engine as the sample disc's 20 s title reads through libvlc: time and position move in
// steps of half a second (one group of pictures), and it counts the reads of
// the playing state, one per tick.
class TitleEngine : public test::FakeEngine {
public:
    using FakeEngine::FakeEngine;

    Scene scene = Scene::Idle;
    long playingReads = 0;

    bool isPlaying() override {
        ++playingReads;
        return scene == Scene::Playing;
    }
    float position() override {
        if (scene == Scene::Idle)
            return -1;
        return static_cast<float>(steps() * 0.5 / kLengthSeconds);
    }
    long elapsedSeconds() override { return scene == Scene::Idle ? -1 : steps() / 2; }
    long lengthSeconds() override { return scene == Scene::Idle ? -1 : kLengthSeconds; }

private:
    static constexpr long kLengthSeconds = 20;
    long steps() const {
        if (scene == Scene::Paused)
            return 16;
        const auto since =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - m_started);
        return (since.count() / 500) % (kLengthSeconds * 2);
    }
    Clock::time_point m_started = Clock::now();
};

double processCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// The started program with its two real windows, shown.
struct UiRig {
    explicit UiRig(Scene scene) {
        const fs::path resources = test::sourceDir() / "resources";
        fs::copy(resources / "Resources", appFolder.path() / "Resources");
        fs::copy(resources / "Lang", appFolder.path() / "Lang");
        environment.appFolder = appFolder.str();
        environment.temp = tempFolder.str();

        MainForm& main = program.mainForm();
        main.Form_Initialize();
        hub.syncAll();
        main.Form_Load();
        hub.syncAll();
        for (QmlSkinMovie* movie : {&mainView.player(), &barView.gui()})
            QObject::connect(movie->widget()->quickWindow(), &QQuickWindow::afterRendering,
                             [this] { ++renders; });
        engine.scene = scene;
        settle();
    }

    // Lets the windows show and the skins draw what the first ticks wrote.
    void settle() { runLoop(std::chrono::milliseconds(300)); }

    static void runLoop(std::chrono::milliseconds length) {
        QEventLoop loop;
        QTimer::singleShot(length, &loop, &QEventLoop::quit);
        loop.exec();
    }

    void tick() {
        hub.call([this] { program.mainForm().movieTimer_Timer(); });
    }

    // The application exists before the first widget.
    QApplication& app = test::skinTestApp();
    test::TempDir appFolder;
    test::TempDir tempFolder;
    test::Journal journal;
    TitleEngine engine{journal};
    test::FakeClock clock;
    test::FakeDrives drives{journal, test::FakeDrives::Style::Linux};
    test::FakeEnvironment environment;
    test::FakeShellFolders shellFolders;
    test::FakeSingleInstance singleInstance{journal};
    test::FakeDiskSpace diskSpace;
    test::FakeDialogs dialogs{journal};
    test::FakeWindowSystem windows{journal};
    test::FakeLauncher launcher{journal};
    test::FakeDiscHandlers discHandlers{journal};
    test::FakeDesktop desktop{journal};
    test::FakeDiscInfo discInfo{journal};
    MainWindowView mainView{windows.metrics};
    DvdBarView barView{windows.metrics};
    Program program{Services{engine, mainView.player(), barView.gui(), clock, drives, environment,
                             shellFolders, singleInstance, diskSpace, dialogs, windows, launcher,
                             discHandlers, desktop, desktop, desktop, discInfo}};
    ViewHub hub{program, mainView, barView};
    long renders = 0;
};

void BM_UiTickCall(benchmark::State& state) {
    const auto scene = static_cast<Scene>(state.range(0));
    UiRig rig(scene);
    for (auto _ : state)
        rig.tick();
    state.SetLabel(sceneName(scene));
}
BENCHMARK(BM_UiTickCall)->DenseRange(0, 2);

void BM_UiTickLoop(benchmark::State& state) {
    const auto scene = static_cast<Scene>(state.range(0));
    UiRig rig(scene);
    const long readsBefore = rig.engine.playingReads;
    const long rendersBefore = rig.renders;
    const double cpuBefore = processCpuSeconds();
    const auto started = Clock::now();
    for (auto _ : state)
        UiRig::runLoop(std::chrono::milliseconds(1000));
    const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
    state.counters["ticks_per_s"] =
        static_cast<double>(rig.engine.playingReads - readsBefore) / seconds;
    state.counters["renders_per_s"] = static_cast<double>(rig.renders - rendersBefore) / seconds;
    state.counters["cpu_percent"] = 100 * (processCpuSeconds() - cpuBefore) / seconds;
    state.SetLabel(sceneName(scene));
}
BENCHMARK(BM_UiTickLoop)
    ->DenseRange(0, 2)
    ->Iterations(5)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

void BM_TimerFloor(benchmark::State& state) {
    test::skinTestApp();
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    long ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(10);
    const double cpuBefore = processCpuSeconds();
    const auto started = Clock::now();
    for (auto _ : state)
        UiRig::runLoop(std::chrono::milliseconds(1000));
    const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
    state.counters["ticks_per_s"] = static_cast<double>(ticks) / seconds;
    state.counters["cpu_percent"] = 100 * (processCpuSeconds() - cpuBefore) / seconds;
}
BENCHMARK(BM_TimerFloor)->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lumadisc
