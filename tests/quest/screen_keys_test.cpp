// The quest's screens by keyboard, on their real layouts and pictures: one
// focus over the things each screen draws itself and its buttons, in which
// Tab reaches every item and active button once, in the screen's order, and
// the arrows reach them all; Enter acts as the click, and each screen's own
// keys (the map's Enter, free play's Page Up and Page Down).
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <set>
#include <vector>

#include "app/game_objects.h"
#include "quest/free_play.h"
#include "quest/map.h"
#include "quest/profile_manager.h"
#include "quest/screen_focus.h"
#include "quest/shop.h"
#include "shell/media/media.h"
#include "shell/save_folder.h"
#include "test_support.h"

namespace {

// The code of the button `name` of container `container` of `gui`.
int button(const TGui& gui, const char* name, int container = 0) {
    const TGuiObject* widget = gui.getItem(name);
    for (size_t i = 0; widget && i < gui._listaObiektow.size(); ++i)
        if (gui._listaObiektow[i].get() == widget) return TScreenFocus::buttonCode(container, int(i));
    ADD_FAILURE() << "no button " << name;
    return TScreenFocus::kNowhere;
}

class QuestKeys : public testing_support::ScreenTest {
protected:
    void TearDown() override {
        objects().levelManager.levels.clear();
        ScreenTest::TearDown();
    }

    // Presses `key` and runs a frame of the screen.
    template <class Frame>
    void key(int key, Frame frame) {
        press(key);
        frame();
    }
    // Where Tab takes the focus, from where it is, until it comes back there.
    template <class Frame>
    std::vector<int> tabRound(const TScreenFocus& focus, Frame frame) {
        const int start = focus.place();
        std::vector<int> round = {start};
        for (int n = 0; n < 200; ++n) {
            key(KEY_TAB, frame);
            if (focus.place() == start) return round;
            round.push_back(focus.place());
        }
        ADD_FAILURE() << "Tab never came back to where it started";
        return round;
    }
    // Every place the arrows reach from where the focus is, each arrow tried
    // from each place reached (Tab, at most `round` times, goes back there).
    template <class Frame>
    std::set<int> arrowsReach(const TScreenFocus& focus, Frame frame, size_t round) {
        std::set<int> reached = {focus.place()};
        std::deque<int> todo = {focus.place()};
        while (!todo.empty()) {
            const int from = todo.front();
            todo.pop_front();
            for (const int arrow : {KEY_LEFT, KEY_RIGHT, KEY_UP, KEY_DOWN}) {
                // Tab round to `from`, then the arrow.
                for (size_t n = 0; n < round && focus.place() != from; ++n) key(KEY_TAB, frame);
                key(arrow, frame);
                if (reached.insert(focus.place()).second) todo.push_back(focus.place());
            }
        }
        return reached;
    }
    // Tab until the focus is on `place` (at most a round).
    template <class Frame>
    void tabTo(const TScreenFocus& focus, int place, Frame frame) {
        for (int n = 0; n < 200 && focus.place() != place; ++n) key(KEY_TAB, frame);
        ASSERT_EQ(focus.place(), place) << "Tab never reached it";
    }
    static void expectEachOnce(const std::vector<int>& round, const std::vector<int>& expected) {
        EXPECT_EQ(round, expected);
        EXPECT_EQ(std::set<int>(round.begin(), round.end()).size(), round.size()) << "a place reached twice";
    }
};

// ------------------------------------------------------------------ the map

class MapKeys : public QuestKeys {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(QuestKeys::SetUp());
        ASSERT_EQ(objects().levelManager.setup(), 0);
        player.hint.fill(1);
        objects().profileManager.profile = &player;
        map.setup();
    }
    void open(int level) {
        player.currentLevel = level;
        map.prepare();
        frame();
    }
    void frame() {
        Delay(16);
        mouse().update();
        map.update();
        map.react();
    }
    auto frames() {
        return [this] { frame(); };
    }

    TProfile player;
    TMap map;
};

TEST_F(MapKeys, TabGoesFromTheLevelToPlayThroughTheButtonsAndEveryReachedMarker) {
    open(12);
    EXPECT_EQ(map.focusedLevel(), 0) << "shown before a key";
    key(KEY_DOWN, frames());
    EXPECT_EQ(map.focusedLevel(), 12) << "the first key shows it on the level to play";
    std::vector<int> expected = {12, button(*map.gui, "sklep"), button(*map.gui, "play")};
    for (int k = 1; k <= 11; ++k) expected.push_back(k);
    expectEachOnce(tabRound(map.focus, frames()), expected);
    const std::set<int> all(expected.begin(), expected.end());
    EXPECT_EQ(arrowsReach(map.focus, frames(), expected.size()), all);

    // Before level 14 the shop is shut: its button is passed by.
    open(14);
    key(KEY_TAB, frames());
    ASSERT_EQ(map.focusedLevel(), 14);
    key(KEY_TAB, frames());
    EXPECT_EQ(map.focus.place(), button(*map.gui, "play"));
}

TEST_F(MapKeys, EnterPlaysWhereverTheFocusIsAndAPopUpHidesTheMarkersFocus) {
    const auto playing = [] { return objects().gate.state == TGate::State::Close; };
    // Without the focus shown.
    open(3);
    ASSERT_TRUE(objects().gate.opened());
    key(KEY_ENTER, frames());
    EXPECT_TRUE(playing());
    // On an earlier level's marker, Enter (or Space) plays the level the
    // map is at.
    for (const int k : {KEY_ENTER, KEY_SPACE}) {
        open(3);
        key(KEY_DOWN, frames());
        key(KEY_DOWN, frames());
        ASSERT_EQ(map.focusedLevel(), 2);
        EXPECT_FALSE(playing());
        key(k, frames());
        EXPECT_TRUE(playing()) << k;
    }
    // On "play", the button takes it.
    open(3);
    key(KEY_TAB, frames());
    key(KEY_TAB, frames());
    ASSERT_EQ(map.focus.place(), button(*map.gui, "play"));
    key(KEY_ENTER, frames());
    EXPECT_TRUE(playing());

    // A pop-up's buttons over the map take the keys: the marker's glow goes
    // while it is up and comes back after.
    open(3);
    key(KEY_DOWN, frames());
    ASSERT_EQ(map.focusedLevel(), 3);
    const auto popUp = createGui(TSklep::kLayout);
    popUp->update();
    EXPECT_EQ(map.focusedLevel(), 0);
    frame();
    EXPECT_EQ(map.focusedLevel(), 3);
    // Moving the mouse hides it, keeping its place for the next key.
    media::inputMouseMove(500, 300);
    frame();
    EXPECT_EQ(map.focusedLevel(), 0);
    key(KEY_RIGHT, frames());
    EXPECT_EQ(map.focusedLevel(), 3);
}

// ------------------------------------------------------- the players' list

class ListKeys : public QuestKeys {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(QuestKeys::SetUp());
        saveFolder = dir.path();
        manager().loadProfiles();
        manager().setup();
        for (const char* name : {"Ada", "Bob", "Cid"}) manager().addProfile(name);
        // The list is one of the game's long-lived screens.
        manager().focus.forget();
    }
    static TProfileManager& manager() { return objects().profileManager; }
    // Opens the list as its loop does.
    void open(TProfile* current) {
        manager().profile = current;
        manager().clicked = current;
        manager().focus.setContainers(manager().gui.get());
        manager().focus.open();
        for (size_t r = 0; r < manager().profilesList.size(); ++r)
            if (manager().profilesList[r].get() == current) manager().focus.placeOnItem(int(r));
        frame();
    }
    bool frame() {
        Delay(16);
        mouse().update();
        manager().update();
        return manager().react();
    }
    auto frames() {
        return [this] { frame(); };
    }
    TProfile* row(int r) { return manager().profilesList[size_t(r)].get(); }

    testing_support::TempDir dir;
};

TEST_F(ListKeys, TheRowsThenTheButtonsAndEnterPicksARowThenSelectsIt) {
    open(row(1));
    key(KEY_UP, frames());
    EXPECT_EQ(manager().focusedRow(), 1) << "the first key shows it on the current player";
    const TGui& gui = *manager().gui;
    const std::vector<int> expected = {1,
                                       2,
                                       button(gui, "select"),
                                       button(gui, "rename"),
                                       button(gui, "delete"),
                                       button(gui, "new"),
                                       button(gui, "cancel"),
                                       0};
    expectEachOnce(tabRound(manager().focus, frames()), expected);
    const std::set<int> all(expected.begin(), expected.end());
    EXPECT_EQ(arrowsReach(manager().focus, frames(), expected.size()), all);

    // Down to the last row; Enter picks it as a click does and the focus
    // goes on to "select"; Enter there selects the player and leaves.
    tabTo(manager().focus, 2, frames());
    press(KEY_ENTER);
    EXPECT_FALSE(frame());
    EXPECT_EQ(manager().clicked, row(2));
    EXPECT_EQ(manager().profile, row(1)) << "a picked row is not yet selected";
    frame();
    EXPECT_EQ(manager().focus.place(), button(gui, "select"));
    press(KEY_ENTER);
    EXPECT_TRUE(frame());
    EXPECT_EQ(manager().profile, row(2));
}

TEST_F(ListKeys, WithNobodyCurrentTheFirstRowComesFirstAndEscapeDoesNotLeave) {
    open(nullptr);
    key(KEY_DOWN, frames());
    EXPECT_EQ(manager().focusedRow(), 0);
    EXPECT_EQ(manager().gui->getItem("select")->_a, 0) << "nothing picked yet";
    press(KEY_ESCAPE);
    EXPECT_FALSE(frame());
    press(KEY_SPACE);
    EXPECT_FALSE(frame());
    EXPECT_EQ(manager().clicked, row(0)) << "Space picks as Enter does";
}

// ----------------------------------------------------------------- free play

class FreePlayKeys : public QuestKeys {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(QuestKeys::SetUp());
        loadTileKindsFrom("data/tiles1.dat");
        fp.setup();
        fp.prepare();
        frame();
    }
    void frame() {
        Delay(16);
        mouse().update();
        fp.update();
        fp.react();
    }
    auto frames() {
        return [this] { frame(); };
    }
    int tabButton(const char* name) { return button(*fp.current().gui, name, 1); }
    int panelButton(const char* name) { return button(*fp.gui, name, 0); }

    TFreePlay fp;
};

TEST_F(FreePlayKeys, OneFocusGoesOverTheCaptionsTheMarblesTheKnobAndBothContainersButtons) {
    key(KEY_DOWN, frames());
    ASSERT_EQ(fp.focus.place(), panelButton("match3")) << "the first key shows it on the first caption";
    std::vector<int> expected = {panelButton("match3"), panelButton("strzelanie"), panelButton("puzzle")};
    const int kinds = int(tileKinds.size());
    for (int i = 1; i <= std::min(TZakladka::kColours, kinds); ++i) expected.push_back(i);
    for (int p = TZakladka::kFirstBonus; p <= kinds; ++p) expected.push_back(TZakladka::kBonusItems + p);
    // The speed row: the knob, then the radio buttons of the modes as they
    // stand two by two (the chosen one shows its lit button).
    expected.insert(expected.end(), {tabButton("normalny_on"), tabButton("zmienny_off"), TZakladka::kKnobItem,
                                     tabButton("podwojny_off"), tabButton("strategia_off"), panelButton("anuluj"),
                                     panelButton("graj")});
    expectEachOnce(tabRound(fp.focus, frames()), expected);
    const std::set<int> all(expected.begin(), expected.end());
    EXPECT_EQ(arrowsReach(fp.focus, frames(), expected.size()), all);
}

TEST_F(FreePlayKeys, EnterPressesTheFocusedButtonOfEitherContainerAndPicksAMarble) {
    TZakladka& marbles = fp.current();
    // A radio button of the tab's container.
    key(KEY_DOWN, frames());
    tabTo(fp.focus, tabButton("strategia_off"), frames());
    EXPECT_EQ(marbles.gui->focused(), marbles.gui->getItem("strategia_off"));
    key(KEY_ENTER, frames());
    EXPECT_EQ(marbles.tryb, "STRATEGY");
    // The lit twin takes the place of the pressed radio button: the next
    // key shows the focus there.
    key(KEY_TAB, frames());
    EXPECT_EQ(fp.focus.place(), tabButton("strategia_on"));
    // A marble: the first colour goes, and comes back.
    tabTo(fp.focus, 1, frames());
    const TTileDataPtr first = tileKinds[0];
    ASSERT_NE(std::find(marbles.tiles.begin(), marbles.tiles.end(), first), marbles.tiles.end());
    key(KEY_ENTER, frames());
    EXPECT_EQ(std::find(marbles.tiles.begin(), marbles.tiles.end(), first), marbles.tiles.end());
    key(KEY_SPACE, frames());
    EXPECT_NE(std::find(marbles.tiles.begin(), marbles.tiles.end(), first), marbles.tiles.end());
    // The knob takes Left and Right, to its ends; Up leaves it.
    tabTo(fp.focus, TZakladka::kKnobItem, frames());
    marbles.sliderX = 0;
    key(KEY_RIGHT, frames());
    EXPECT_EQ(marbles.sliderX, TZakladka::kKnobStep);
    for (int i = 0; i < 10; ++i) key(KEY_RIGHT, frames());
    EXPECT_EQ(marbles.sliderX, TZakladka::kSliderTravel);
    key(KEY_LEFT, frames());
    EXPECT_EQ(marbles.sliderX, TZakladka::kSliderTravel - TZakladka::kKnobStep);
    EXPECT_EQ(fp.focus.place(), TZakladka::kKnobItem);
    key(KEY_UP, frames());
    EXPECT_NE(fp.focus.place(), TZakladka::kKnobItem);
    // A caption of the panel's container: its tab comes to the front. The
    // container with the focus is updated last, so that it is the one that
    // draws its focused button.
    tabTo(fp.focus, panelButton("puzzle"), frames());
    EXPECT_EQ(fp.gui->focused(), fp.gui->getItem("puzzle"));
    EXPECT_EQ(fp.current().gui->focused(), nullptr);
    key(KEY_ENTER, frames());
    EXPECT_TRUE(fp.current().isPuzzle());
}

TEST_F(FreePlayKeys, PageDownAndPageUpStepTheTabsRoundTakingTheFocusToTheCaption) {
    key(KEY_PAGEDOWN, frames());
    EXPECT_TRUE(fp.current().isShooting());
    key(KEY_PAGEDOWN, frames());
    EXPECT_TRUE(fp.current().isPuzzle());
    key(KEY_PAGEDOWN, frames());
    EXPECT_TRUE(fp.current().isMatch3()) << "round from the last tab to the first";
    key(KEY_PAGEUP, frames());
    EXPECT_TRUE(fp.current().isPuzzle());
    EXPECT_EQ(fp.focus.place(), TScreenFocus::kNowhere) << "the tabs step without showing the focus";

    // Shown inside the tab, the focus goes to the new tab's caption...
    key(KEY_PAGEDOWN, frames());
    key(KEY_DOWN, frames());
    tabTo(fp.focus, 3, frames());
    key(KEY_PAGEDOWN, frames());
    frame();  // the frame after the key draws the new tab
    EXPECT_TRUE(fp.current().isShooting());
    EXPECT_EQ(fp.focus.place(), panelButton("strzelanie"));
    // ...and from there into the new tab's buttons; on "play" it stays.
    key(KEY_DOWN, frames());
    EXPECT_EQ(fp.focus.place(), tabButton("minus"));
    tabTo(fp.focus, panelButton("graj"), frames());
    key(KEY_PAGEUP, frames());
    frame();
    EXPECT_TRUE(fp.current().isMatch3());
    EXPECT_EQ(fp.focus.place(), panelButton("graj"));
}

// ------------------------------------------------------------------ the shop

class ShopKeys : public QuestKeys {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(QuestKeys::SetUp());
        loadTileKindsFrom("data/tiles1.dat");
        objects().profileManager.profile = &player;
        shop.setup();
        objects().map.setup();
    }
    void open(int diamonds, std::initializer_list<int> kinds) {
        player.kapsle = diamonds;
        std::vector<TTileDataPtr> list;
        for (const int id : kinds) list.push_back(tileKindById(id));
        shop.giveBonusList(list);
        shop.prepare();
        frame();
    }
    void frame() {
        Delay(16);
        mouse().update();
        shop.update();
    }
    auto frames() {
        return [this] { frame(); };
    }
    int kindOf() const {
        const TTileDataPtr kind = shop.focusedItem();
        return kind ? kind->id : 0;
    }

    TProfile player;
    TSklep shop;
};

TEST_F(ShopKeys, TheItemsThePlayerCanBuyInTheirRowsThenExit) {
    // 800 diamonds buy a colour blast (760) or the shuffle (600), not the
    // bomb (900) nor the line eraser (1000).
    open(800, {101, 102, KIND_SHUFFLE, KIND_BOMB, KIND_LINE_ERASER});
    key(KEY_RIGHT, frames());
    EXPECT_EQ(kindOf(), 101) << "the first key shows it on the first item to buy";
    // The kinds Tab visits (0 for "exit").
    const int exit = button(*shop.gui, "exit");
    std::vector<int> round;
    const int start = shop.focus.place();
    do {
        round.push_back(shop.focus.place() == exit ? 0 : kindOf());
        key(KEY_TAB, frames());
    } while (shop.focus.place() != start && round.size() < 10);
    expectEachOnce(round, {101, 102, KIND_SHUFFLE, 0});
    EXPECT_EQ(arrowsReach(shop.focus, frames(), round.size()).size(), 4u);

    // The shuffle bought leaves 200 diamonds, too few for anything: the
    // focus on the item no longer for sale shows nowhere until a key puts
    // it on what is left.
    tabTo(shop.focus, exit, frames());
    key(KEY_TAB, frames());
    ASSERT_EQ(kindOf(), 101);
    key(KEY_DOWN, frames());
    ASSERT_EQ(kindOf(), KIND_SHUFFLE);
    ASSERT_TRUE(shop.purchase(KIND_SHUFFLE));
    frame();
    EXPECT_EQ(shop.focusedItem(), nullptr);
    key(KEY_DOWN, frames());
    EXPECT_EQ(shop.focus.place(), exit);
    key(KEY_ENTER, frames());
    shop.react();
    EXPECT_EQ(shop.dPer, 0) << "Enter on exit closes the panel";
}

}  // namespace
