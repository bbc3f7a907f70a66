// Cost of the text lookup, which opens and parses the pack at every call by design.
#include "core/lang/language_reader.h"

#include "support/fake_clock.h"
#include "support/fake_environment.h"
#include "support/test_paths.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace lumadisc {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> packs = {"English.ini", "French.ini", "German.ini", "Spanish.ini"};

// An application folder holding the shipped packs, plus the key table as English.ini holds it.
class ShippedPacks {
public:
    ShippedPacks() {
        const auto source = test::sourceDir() / "resources" / "Lang";
        fs::copy(source, m_folder.path() / "Lang");
        environment.appFolder = m_folder.str();
        std::istringstream english(test::readFile(source / "English.ini"));
        for (std::string line; std::getline(english, line);) {
            const auto equals = line.find('=');
            if (equals != std::string::npos && !line.starts_with(';'))
                keys.emplace_back(line.substr(0, equals), line.substr(equals + 1));
        }
    }

    test::FakeEnvironment environment;
    test::FakeClock clock;
    std::vector<std::pair<std::string, std::string>> keys;

    std::string writePack(const std::string& name, const std::string& content) {
        test::writeFile(m_folder.path() / "Lang" / name, content);
        return name;
    }

private:
    test::TempDir m_folder;
};

// One lookup of the first and of the last key of each shipped pack.
void oneLookup(benchmark::State& state) {
    ShippedPacks app;
    const std::string languageFile = packs[state.range(0)];
    LanguageReader reader(app.environment, app.clock, languageFile);
    const auto& [key, defaultText] = state.range(1) == 0 ? app.keys.front() : app.keys.back();
    for (auto _ : state)
        benchmark::DoNotOptimize(reader.SetCaptionfromINI(key, defaultText));
    state.SetLabel(languageFile + " key " + key);
}
BENCHMARK(oneLookup)->ArgsProduct({{0, 1, 2, 3}, {0, 1}})->Unit(benchmark::kMicrosecond);

// All 28 keys, as the program asks for them one by one.
void allKeys(benchmark::State& state) {
    ShippedPacks app;
    const std::string languageFile = packs[state.range(0)];
    LanguageReader reader(app.environment, app.clock, languageFile);
    for (auto _ : state) {
        for (const auto& [key, defaultText] : app.keys)
            benchmark::DoNotOptimize(reader.SetCaptionfromINI(key, defaultText));
    }
    state.SetLabel(languageFile + ", " + std::to_string(app.keys.size()) + " keys");
}
BENCHMARK(allKeys)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// A missing pack: the path is tried and the default returned.
void missingPack(benchmark::State& state) {
    ShippedPacks app;
    const std::string languageFile = "Missing.ini";
    LanguageReader reader(app.environment, app.clock, languageFile);
    for (auto _ : state)
        benchmark::DoNotOptimize(reader.SetCaptionfromINI("03", "&OK"));
}
BENCHMARK(missingPack)->Unit(benchmark::kMicrosecond);

// A hostile pack of about 1 MB whose section comes last: the cost grows with the file, no more.
void largePack(benchmark::State& state) {
    ShippedPacks app;
    std::string content;
    for (int i = 0; content.size() < (std::size_t{1} << 20); ++i)
        content += "[Section " + std::to_string(i) + "]\n05=filler text of a section\n";
    const std::string languageFile =
        app.writePack("Large.ini", content + "[Language Pack]\n05=found\n");
    LanguageReader reader(app.environment, app.clock, languageFile);
    for (auto _ : state)
        benchmark::DoNotOptimize(reader.SetCaptionfromINI("05", "default"));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * content.size()));
}
BENCHMARK(largePack)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace lumadisc
