// Cost of one status tick (MainForm::movieTimer_Timer) in the core, over fakes. The tick runs
// 100 times a second whether a disc plays or not, so its idle and paused costs matter as much as
// the playing one.
#include "core/shell/main_form.h"
#include "core/shell/program.h"
#include "core/skin/skin_movie.h"

#include "support/fake_clock.h"
#include "support/fake_drives.h"
#include "support/fake_engine.h"
#include "support/fake_environment.h"
#include "support/fake_services.h"
#include "support/journal.h"
#include "support/test_paths.h"

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace lumadisc {
namespace {

// A movie that only keeps its variables: the journalling fake would grow with every tick and
// measure its own bookkeeping rather than the core's.
class PlainMovie : public SkinMovie {
public:
    PlainMovie(int width, int height) : m_width(width), m_height(height) {}

    long writes = 0;

    void loadMovie(const std::string&) override {}
    void setVariable(const std::string& path, const std::string& value) override {
        ++writes;
        m_variables[path] = value;
    }
    std::string getVariable(const std::string& path) override {
        if (path == "_width")
            return std::to_string(m_width);
        if (path == "_height")
            return std::to_string(m_height);
        const auto found = m_variables.find(path);
        return found == m_variables.end() ? std::string() : found->second;
    }
    void setSize(int, int) override {}

private:
    int m_width;
    int m_height;
    std::map<std::string, std::string> m_variables;
};

// The program started over fakes with no disc, as after start-up.
struct TickRig {
    TickRig() {
        environment.appFolder = appFolder.str();
        environment.temp = tempFolder.str();
        program.mainForm().Form_Initialize();
        program.mainForm().Form_Load();
        // The first ticks settle the window (transport disabled, disc watch on).
        tick();
        tick();
    }

    void tick() { program.mainForm().movieTimer_Timer(); }
    long writes() const { return playerMovie.writes + barMovie.writes; }

    // The engine as it reads while the sample disc's title plays.
    void play(long elapsed) {
        engine.playing = true;
        engine.pos = 0.42f;
        engine.elapsed = elapsed;
        engine.length = 20;
    }

    test::TempDir appFolder;
    test::TempDir tempFolder;
    test::Journal journal;
    test::FakeEngine engine{journal};
    PlainMovie playerMovie{385, 400};
    PlainMovie barMovie{800, 100};
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
    Program program{Services{engine, playerMovie, barMovie, clock, drives, environment,
                             shellFolders, singleInstance, diskSpace, dialogs, windows, launcher,
                             discHandlers, desktop, desktop, desktop, discInfo}};
};

void reportWrites(benchmark::State& state, const TickRig& rig, long before) {
    state.counters["skin_writes_per_tick"] = benchmark::Counter(
        static_cast<double>(rig.writes() - before), benchmark::Counter::kAvgIterations);
}

// Playing, between two changes of the shown time (the engine's time moves in steps of about
// half a second, so nearly every tick sees the values of the one before).
void BM_TickPlaying(benchmark::State& state) {
    TickRig rig;
    rig.play(8);
    rig.tick();
    const long before = rig.writes();
    for (auto _ : state)
        rig.tick();
    reportWrites(state, rig, before);
}
BENCHMARK(BM_TickPlaying);

// Playing, with a new elapsed time at every tick: the costliest playing tick.
void BM_TickPlayingNewTime(benchmark::State& state) {
    TickRig rig;
    rig.play(0);
    rig.tick();
    const long before = rig.writes();
    long elapsed = 0;
    for (auto _ : state) {
        rig.engine.elapsed = ++elapsed % 3600;
        rig.tick();
    }
    reportWrites(state, rig, before);
}
BENCHMARK(BM_TickPlayingNewTime);

// Paused: the engine has a position but does not play.
void BM_TickPaused(benchmark::State& state) {
    TickRig rig;
    rig.play(8);
    rig.tick();
    rig.engine.playing = false;
    const long before = rig.writes();
    for (auto _ : state)
        rig.tick();
    reportWrites(state, rig, before);
}
BENCHMARK(BM_TickPaused);

// No disc: what the tick costs all the time the program is open without playing.
void BM_TickIdle(benchmark::State& state) {
    TickRig rig;
    const long before = rig.writes();
    for (auto _ : state)
        rig.tick();
    reportWrites(state, rig, before);
}
BENCHMARK(BM_TickIdle);

} // namespace
} // namespace lumadisc
