// The players' list and the name entry, driven frame by frame on their real
// layouts: which buttons work when, picking rows, and names refused.
#include <gtest/gtest.h>

#include "app/game_objects.h"
#include "gui/text_entry.h"
#include "quest/profile_manager.h"
#include "quest/profile_name.h"
#include "shell/media/media.h"
#include "shell/save_folder.h"
#include "test_support.h"

namespace {

class ProfileScreens : public testing_support::ScreenTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ScreenTest::SetUp());
        saveFolder = dir.path();
        manager().loadProfiles();
        manager().setup();
        entry.setup();
    }
    static TProfileManager& manager() { return objects().profileManager; }
    static void clickAt(int x, int y) {
        media::inputMouseMove(x, y);
        media::inputMouseDown(1);
        media::inputMouseUp(1);
    }
    static void type(const std::string& text) {
        for (char c : text) media::inputChar(c);
    }
    // Frames of the name entry until it answers (1 accepted, 0 cancelled),
    // or -1 after `limit`.
    int entryFrames(int limit = 40) {
        for (int n = 0; n < limit; ++n) {
            Delay(16);
            mouse().update();
            entry.update();
            if (const int answer = entry.react(); answer >= 0) return answer;
        }
        return -1;
    }
    // One frame of the players' list; true when it is left.
    bool listFrame() {
        Delay(16);
        mouse().update();
        manager().update();
        return manager().react();
    }
    TGuiObject* button(const char* name) { return manager().gui->getItem(name); }

    testing_support::TempDir dir;
    TProfileName entry;
};

TEST_F(ProfileScreens, WithoutAPlayerTheNameEntryCannotBeCancelledNorTakeNoName) {
    entry.open(nullptr, "", nullptr);
    press(KEY_ESCAPE);
    EXPECT_EQ(entryFrames(5), -1);
    clickAt(470, 380);
    EXPECT_EQ(entryFrames(5), -1);
    EXPECT_EQ(entry.gui->getItem("cancel")->_a, 0);
    press(KEY_ENTER);
    EXPECT_EQ(entryFrames(5), -1) << "an empty name was taken";
    type("   ");
    press(KEY_ENTER);
    EXPECT_EQ(entryFrames(5), -1) << "a name of blanks was taken";
    EXPECT_EQ(entry.gui->getItem("ok")->_a, 0);
    media::inputMouseMove(0, 0);
    // The entry takes a letter a frame; Enter comes once they are in.
    type("Ada");
    EXPECT_EQ(entryFrames(3), -1);
    press(KEY_ENTER);
    EXPECT_EQ(entryFrames(), 1);
    ASSERT_EQ(entry.wpis, "   Ada");
    TProfile* made = manager().addProfile(entry.wpis);
    ASSERT_TRUE(made);
    EXPECT_EQ(made->name, "Ada") << "the blanks around a name are no part of it";
}

TEST_F(ProfileScreens, ANameAnotherPlayerHasIsRefusedButARenamedPlayerKeepsItsOwn) {
    TProfile* ada = manager().addProfile("Ada");
    manager().addProfile("Bob");
    // A new player called "aDA": refused while it is taken.
    entry.open(nullptr, "aDA", nullptr);
    press(KEY_ENTER);
    EXPECT_EQ(entryFrames(5), -1);
    EXPECT_TRUE(entry.taken());
    EXPECT_EQ(entry.gui->getItem("ok")->_a, 0);
    EXPECT_EQ(entry.gui->getItem("cancel")->_a, 1) << "with a current player the entry can be cancelled";
    type("m");
    EXPECT_EQ(entryFrames(1), -1);
    press(KEY_ENTER);
    EXPECT_EQ(entryFrames(), 1);
    EXPECT_EQ(entry.wpis, "aDAm");
    // Renaming Ada to "ADA" is hers to do; to "bob" is not.
    entry.open(nullptr, "ADA", ada);
    EXPECT_FALSE(entry.taken());
    entry.open(nullptr, "bob", ada);
    EXPECT_TRUE(entry.taken());
    press(KEY_ESCAPE);
    EXPECT_EQ(entryFrames(), 0);
}

TEST_F(ProfileScreens, ThePlayersListPicksEveryRowAndItsButtonsFollowTheList) {
    const char* const names[] = {"Ada", "Bob", "Cid", "Dee", "Eve", "Fay", "Gus", "Hal", "Ivy"};
    for (const char* name : names) manager().addProfile(name);
    manager().profile = nullptr;
    manager().clicked = nullptr;
    EXPECT_FALSE(listFrame());
    for (const char* b : {"select", "rename", "delete", "cancel", "new"}) EXPECT_EQ(button(b)->_a, 0) << b;

    // Every row, the ninth too, is picked where it is drawn.
    const int h = TProfileManager::rowHeight();
    for (int r = 0; r < 9; ++r) {
        clickAt(400, 156 + r * h + h / 2);
        EXPECT_FALSE(listFrame());
        ASSERT_TRUE(manager().clicked) << r;
        EXPECT_EQ(manager().clicked->name, names[r]) << r;
    }
    media::inputMouseMove(400, 140);
    EXPECT_FALSE(listFrame());
    EXPECT_EQ(manager().overed, nullptr) << "above the first row";
    EXPECT_EQ(manager().clicked->name, "Ivy") << "a click off the rows keeps the choice";
    EXPECT_FALSE(listFrame());
    for (const char* b : {"select", "rename", "delete"}) EXPECT_EQ(button(b)->_a, 1) << b;
    EXPECT_EQ(button("new")->_a, 0) << "nine players: no room for another";

    // "select" makes the clicked player the current one and leaves.
    clickAt(255, 466);
    EXPECT_TRUE(listFrame());
    ASSERT_TRUE(manager().profile);
    EXPECT_EQ(manager().profile->name, "Ivy");
    EXPECT_FALSE(listFrame());
    EXPECT_EQ(button("cancel")->_a, 1);
    // One player fewer and "new" works again; Escape leaves.
    manager().removeProfile(manager().profilesList.front().get());
    EXPECT_FALSE(listFrame());
    EXPECT_EQ(button("new")->_a, 1);
    press(KEY_ESCAPE);
    EXPECT_TRUE(listFrame());
}

TEST_F(ProfileScreens, WithNoCurrentPlayerTheListIsLeftOnlyByPickingOne) {
    // Nine players, none current (an index naming nobody): the list is where
    // the game goes on; Escape and "cancel" have nothing to go back to.
    const char* const names[] = {"Ada", "Bob", "Cid", "Dee", "Eve", "Fay", "Gus", "Hal", "Ivy"};
    for (const char* name : names) manager().addProfile(name);
    manager().profile = nullptr;
    manager().clicked = nullptr;
    press(KEY_ESCAPE);
    EXPECT_FALSE(listFrame()) << "Escape left the list with nobody chosen";
    EXPECT_EQ(button("cancel")->_a, 0);
    clickAt(475, 524);  // where "cancel" stands
    EXPECT_FALSE(listFrame());
    // "select" with no row clicked does nothing either.
    clickAt(255, 466);
    EXPECT_FALSE(listFrame());
    EXPECT_EQ(manager().profile, nullptr);
    const int h = TProfileManager::rowHeight();
    clickAt(400, 156 + 2 * h + h / 2);
    EXPECT_FALSE(listFrame());
    clickAt(255, 466);
    EXPECT_TRUE(listFrame());
    ASSERT_TRUE(manager().profile);
    EXPECT_EQ(manager().profile->name, "Cid");
}

TEST_F(ProfileScreens, WithPlayersOnTheListTheNameEntryCanBeCancelledEvenWithNoneCurrent) {
    manager().addProfile("Ada");
    manager().profile = nullptr;
    entry.open(nullptr, "", nullptr);
    EXPECT_EQ(entryFrames(1), -1);
    EXPECT_EQ(entry.gui->getItem("cancel")->_a, 1) << "a new player from the list could not be given up";
    press(KEY_ESCAPE);
    EXPECT_EQ(entryFrames(), 0);
    EXPECT_EQ(manager().profilesList.size(), 1u);
}

}  // namespace
