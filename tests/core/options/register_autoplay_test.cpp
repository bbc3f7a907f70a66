// The options window's registration as the desktop's handler for inserted video discs.
#include "core/started_program.h"

namespace lumadisc {
namespace {

using namespace test;

class RegisterAutoPlay : public StartedProgram {
protected:
    RegisterAutoPlay() { start(); }
    Names handlerSteps(std::int16_t autoPlay) {
        return journalOf([&] { options().RegisterAutoPlay(autoPlay); });
    }
};

TEST_F(RegisterAutoPlay, AnyNonZeroValueRegistersAfterCheckingTheFolderFirst) {
    for (std::int16_t on : {1, -1, 32767}) {
        h.discHandlers.entry.reset();
        EXPECT_EQ(handlerSteps(on), (Names{"handlers.openFolder", "handlers.startWithoutAsking",
                                           "handlers.write", "handlers.makeDefault"}))
            << "registering with " << on;
        ASSERT_TRUE(h.discHandlers.entry) << "no handler entry written for " << on;
        const DiscHandler& entry = *h.discHandlers.entry;
        const std::string app = h.appFolder.str();
        EXPECT_EQ(entry.action, "Play DVD");
        EXPECT_EQ(entry.verb, "Play With Lumadisc");
        EXPECT_EQ(entry.provider, "Quorvane Lumadisc");
        EXPECT_EQ(entry.program, app + "/lumadisc") << "the handler must start this executable";
        EXPECT_EQ(entry.icon, app + "/Resources/lumadisc.svg");
    }
}

TEST_F(RegisterAutoPlay, AFolderThatCannotBeWrittenRegistersNothingAtAll) {
    h.discHandlers.folderWritable = false;
    EXPECT_EQ(handlerSteps(1), Names{"handlers.openFolder"});
    EXPECT_FALSE(h.discHandlers.entry || h.discHandlers.isDefault ||
                 h.discHandlers.startsWithoutAsking);
}

TEST_F(RegisterAutoPlay, ZeroRemovesWhatRegisteringAdded) {
    options().RegisterAutoPlay(1);
    EXPECT_EQ(handlerSteps(0), (Names{"handlers.remove", "handlers.stopStartingWithoutAsking",
                                      "handlers.removeDefault"}));
    EXPECT_FALSE(h.discHandlers.entry || h.discHandlers.isDefault ||
                 h.discHandlers.startsWithoutAsking);
}

} // namespace
} // namespace lumadisc
