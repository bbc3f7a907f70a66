// Bad input the core meets: discs that never play, and settings and log files that are not
// what they should be. Each ends in the documented reaction or a clear message.
#include "core/failure.h"
#include "core/started_program.h"

#include <sys/stat.h>

#include <filesystem>

namespace lumadisc::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class DiscThatNeverPlays : public StartedProgram {
protected:
    DiscThatNeverPlays() {
        disc = &h.drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
        start();
    }
    // The engine gives up on the disc it was given, as libvlc does on a disc it cannot open.
    void engineFails() {
        engineState(-1, false);
        h.engine.failed = true;
    }
    void ticks(int count) {
        for (int i = 0; i < count; ++i) {
            main().movieTimer_Timer();
            if (main().tmrCheckCD.enabled)
                main().tmrCheckCD_Timer();
        }
    }
    int starts() const { return h.engine.added; }
    FakeDrives::Drive* disc;
};

TEST_F(DiscThatNeverPlays, IsReportedOnceAndTriedAgainOnlyWhenTheDiscChanges) {
    main().PlayDVD("D:\\");
    engineFails();
    ticks(50);
    ASSERT_EQ(h.dialogs.shown.size(), 1u) << "the failed start is not reported exactly once";
    EXPECT_EQ(h.dialogs.shown[0].text, "Please insert a valid Video DVD.");
    EXPECT_EQ(main().timeElapsed.caption, "") << "\"LOADING...\" stays after the failure";
    EXPECT_EQ(h.barMovie.variables["_level0.dvdName.text"], "<No DVD Drive is selected>");
    EXPECT_EQ(starts(), 1) << "the disc watch restarts a disc that did not change";

    // Another disc in the drive, which plays and then breaks off in an error.
    disc->identity = "a new disc";
    ticks(2);
    EXPECT_EQ(starts(), 2) << "the disc watch does not try a changed disc";
    engineFails();
    ticks(20);
    EXPECT_EQ(starts(), 2) << "the disc watch restarts a disc that broke off in an error";
    EXPECT_EQ(h.dialogs.shown.size(), 1u) << "a disc that broke off is reported as not starting";
    disc->volume.reset(); // it leaves, and comes back
    ticks(1);
    disc->volume = Volume{"FILM", "UDF"};
    ticks(1);
    EXPECT_EQ(starts(), 3) << "a failed disc that came back is not started again";
}

TEST_F(DiscThatNeverPlays, EncryptedDiscsSayWhatIsMissingWhenTheEngineCannotDecrypt) {
    disc->encrypted = true;
    main().PlayDVD("D:\\");
    EXPECT_EQ(starts(), 0) << "an encrypted disc was handed to an engine that cannot decrypt it";
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_THAT(h.dialogs.shown[0].text, HasSubstr("libdvd-pkg"))
        << "the message does not name the package that decrypts";

    h.engine.decrypts = true;
    main().PlayDVD("D:\\");
    EXPECT_EQ(starts(), 1) << "an encrypted disc is refused although the engine decrypts";
}

// A settings file that is no regular file is no settings file: start-up replaces it with the
// defaults, without waiting on it. A write that cannot be done keeps the old file and is logged.
TEST(BadSettingsFile, IsReplacedOrKeptAndTheFailureLogged) {
    ProgramHarness fifo, folder;
    ASSERT_EQ(::mkfifo(fifo.configPath().c_str(), 0600), 0);
    const fs::path inside = fs::path(folder.configPath()) / "inside";
    fs::create_directories(inside);
    for (ProgramHarness* h : {&fifo, &folder})
        EXPECT_EQ(h->start().state.settings.useOverlay, 1) << "the defaults are not in use";
    EXPECT_EQ(fifo.config().substr(0, 13), "English.ini\r\n") << "the FIFO is not replaced";
    EXPECT_TRUE(fs::is_directory(inside)) << "the folder in its place is gone";
    EXPECT_THAT(readFile(folder.appFolder.path() / "errorlog.txt"),
                HasSubstr("Method: writeSettingsFile"))
        << "the failed write is not in the error log";
}

TEST(ErrorLog, FollowsNoLinkAndStopsGrowingAtItsBound) {
    ProgramHarness h;
    h.start();
    const fs::path log = h.appFolder.path() / "errorlog.txt";
    const fs::path elsewhere = h.tempFolder.path() / "precious.txt";
    writeFile(elsewhere, "keep");
    fs::create_symlink(elsewhere, log);
    h.program->lang.WriteErrorLog("through the link");
    EXPECT_EQ(readFile(elsewhere), "keep") << "the log was written through a symbolic link";

    fs::remove(log);
    writeFile(log, std::string(1024 * 1024 - 10, 'x'));
    h.program->lang.WriteErrorLog("still fits");
    h.program->lang.WriteErrorLog("one too many");
    EXPECT_THAT(readFile(log), AllOf(HasSubstr("still fits"), Not(HasSubstr("one too many"))))
        << "the log takes what fits, and grows no further";
}

} // namespace
} // namespace lumadisc::test
