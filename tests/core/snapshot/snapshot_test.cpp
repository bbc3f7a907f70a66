// Taking a snapshot: the free-space guard, the engine's file and its three destinations.
#include "core/platform/dialogs.h"
#include "core/started_program.h"

#include <filesystem>

namespace lumadisc::test {
namespace {

namespace fs = std::filesystem;

const Names kTaken{"engine.setEngineVariable key-snapshot=83",
                   "engine.setEngineVariable key-pressed=83", "sleep 500"};

Names takenThen(const Names& delivery) {
    Names calls = kTaken;
    calls.insert(calls.end(), delivery.begin(), delivery.end());
    return calls;
}

class Snapshot : public StartedProgram {
protected:
    Snapshot() {
        start();
        h.shellFolders.localAppData = appData.str();
        // Like the real engine, the fake writes the next numbered file when the key is pressed.
        h.journal.onAdd = [this](const std::string& entry) {
            if (entry == kTaken[1] && engineWrites)
                writeFile(folder / "IMG_00002.jpg", "new");
        };
    }
    // A snapshot to `target` (style Tile), with an older one where the engine writes unless
    // `alone`; its calls.
    Names take(std::int16_t target, bool alone = false) {
        state().settings = {"English.ini", shots.str(), 1, 0, target, 1, 0};
        main().SaveOptions();
        folder = target == 1 ? h.tempFolder.path() : target == 2 ? appData.path() : shots.path();
        if (!alone)
            writeFile(folder / "IMG_00001.jpg", "old");
        return journalOf([&] { main().Snapshot(); });
    }
    std::string file(const char* name) const { return (folder / name).string(); }
    bool kept(const char* name) const { return fs::exists(folder / name); }

    TempDir appData;
    TempDir shots;
    fs::path folder;
    bool engineWrites = true;
};

TEST_F(Snapshot, TheNewestFileByNameGoesToItsDestinationAndOnlyItIsDeleted) {
    const Names clipboard = take(1);
    EXPECT_EQ(clipboard,
              takenThen({"clipboard.clear", "clipboard.picture " + file("IMG_00002.jpg")}));
    EXPECT_TRUE(kept("IMG_00001.jpg") && !kept("IMG_00002.jpg")) << "clipboard";
    const Names wallpaper = take(2);
    const std::string bitmap = file("Lumadisc-Wallpaper.bmp");
    EXPECT_EQ(wallpaper, takenThen({"pictures.bitmap " + file("IMG_00002.jpg") + " " + bitmap,
                                    "wallpaper.set " + bitmap + " 1"}));
    EXPECT_TRUE(kept("IMG_00001.jpg") && !kept("IMG_00002.jpg")) << "wallpaper";
    for (std::int16_t target : {0, 3}) {
        EXPECT_EQ(take(target), kTaken) << "destination " << target;
        EXPECT_TRUE(kept("IMG_00002.jpg")) << "destination " << target << " deleted the file";
        fs::remove(folder / "IMG_00002.jpg");
    }
    EXPECT_EQ(h.diskSpace.askedFolder, shots.str()) << "the guard asked about another folder";
}

TEST_F(Snapshot, TooLittleSpaceIsRefusedAndAFailedQueryKeepsTheLastFigures) {
    // Free bytes, whether the query succeeds, whether the snapshot is refused.
    const std::tuple<std::uint64_t, bool, bool> steps[] = {
        {1'000'000, false, true}, // no good query yet: all figures 0
        {10'240, true, false},    {10'239, true, true}, {1'000'000, true, false}, {0, false, false},
    };
    for (const auto& [available, succeeds, refused] : steps) {
        h.diskSpace.figures.availableToUser = available;
        h.diskSpace.succeeds = succeeds;
        EXPECT_EQ(take(0),
                  refused ? Names{"dialogs.message Error: Insufficient disk space."} : kTaken)
            << available << " bytes" << (succeeds ? "" : ", query failed");
    }
}

TEST_F(Snapshot, FailuresAfterTheGuardEndItSilentlyUndoingNothing) {
    h.desktop.failing = {"clipboard.picture", "pictures.bitmap"};
    EXPECT_EQ(take(1).back(), "clipboard.picture " + h.tempFolder.str() + "/IMG_00002.jpg");
    EXPECT_TRUE(kept("IMG_00002.jpg"));
    EXPECT_EQ(take(2).back().substr(0, 15), "pictures.bitmap") << "wallpaper without its bitmap";
    EXPECT_TRUE(kept("IMG_00002.jpg"));
    h.engine.failing = {"setEngineVariable"};
    EXPECT_EQ(take(1).size(), 1u);
    h.engine.failing.clear();
    engineWrites = false;
    EXPECT_EQ(take(2, true), kTaken) << "an empty working folder must end the snapshot";
    EXPECT_THAT(h.dialogs.shown, IsEmpty());
}

} // namespace
} // namespace lumadisc::test
