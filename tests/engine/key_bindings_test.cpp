#include "engine/key_bindings.h"

#include <gtest/gtest.h>

namespace lumadisc {
namespace {

using Action = KeyBindings::Action;

TEST(KeyBindingsTest, EachKeyVariableBindsItsAction) {
    KeyBindings keys;
    keys.bind("key-fullscreen", 102);
    keys.bind("key-snapshot", 83);
    keys.bind("key-nav-up", 117);
    keys.bind("key-nav-down", 100);
    keys.bind("key-nav-left", 108);
    keys.bind("key-nav-right", 114);
    keys.bind("key-nav-activate", 97);

    EXPECT_EQ(keys.actionFor(102), Action::FullScreen);
    EXPECT_EQ(keys.actionFor(83), Action::Snapshot);
    EXPECT_EQ(keys.actionFor(117), Action::NavUp);
    EXPECT_EQ(keys.actionFor(100), Action::NavDown);
    EXPECT_EQ(keys.actionFor(108), Action::NavLeft);
    EXPECT_EQ(keys.actionFor(114), Action::NavRight);
    EXPECT_EQ(keys.actionFor(97), Action::NavActivate);
}

TEST(KeyBindingsTest, UnboundCodesAndUnknownVariablesDoNothing) {
    KeyBindings keys;
    EXPECT_FALSE(keys.actionFor(83).has_value());

    keys.bind("key-quit", 83);
    keys.bind("key-pressed", 83);
    EXPECT_FALSE(keys.actionFor(83).has_value());
}

TEST(KeyBindingsTest, RebindingAnActionReleasesItsOldCode) {
    KeyBindings keys;
    keys.bind("key-snapshot", 83);
    keys.bind("key-snapshot", 115);

    EXPECT_FALSE(keys.actionFor(83).has_value());
    EXPECT_EQ(keys.actionFor(115), Action::Snapshot);
}

} // namespace
} // namespace lumadisc
