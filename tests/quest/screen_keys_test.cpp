// The quest's screens by keyboard, on their real layouts and pictures: one
// focus over the things each screen draws itself and its buttons, in which
// Tab reaches every item and active button once, in the screen's order;
// Enter acts as the click, and each screen's own keys work.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "app/game_objects.h"
#include "datafiles/strings.h"
#include "quest/free_play.h"
#include "quest/map.h"
#include "quest/profile_manager.h"
#include "quest/shop.h"
#include "shell/media/media.h"
#include "shell/save_folder.h"
#include "test_support.h"

namespace {

class QuestKeys : public testing_support::ScreenTest {
protected:
    void TearDown() override {
        objects().levelManager.levels.clear();
        ScreenTest::TearDown();
    }
    // One frame of the screen under test; one after a key.
    void step() {
        Delay(16);
        mouse().update();
        frame();
    }
    void key(int k) {
        press(k);
        step();
    }
    // Where Tab takes the focus, from where it is round to there.
    std::vector<int> tabRound(const TScreenFocus& focus) {
        std::vector<int> round = {focus.place()};
        for (key(KEY_TAB); focus.place() != round.front() && round.size() < 100; key(KEY_TAB))
            round.push_back(focus.place());
        return round;
    }
    void tabTo(const TScreenFocus& focus, int place) {
        for (int n = 0; n < 100 && focus.place() != place; ++n) key(KEY_TAB);
        ASSERT_EQ(focus.place(), place);
    }
    static int button(const TGui& gui, const char* name, int container = 0) {
        for (size_t i = 0; i < gui._listaObiektow.size(); ++i)
            if (gui._listaObiektow[i].get() == gui.getItem(name)) return TScreenFocus::buttonCode(container, int(i));
        ADD_FAILURE() << "no button " << name;
        return 0;
    }

    std::function<void()> frame;
    TProfile player;
};

TEST_F(QuestKeys, TheMapGoesFromTheLevelThroughItsButtonsAndTheReachedMarkersAndEnterPlays) {
    ASSERT_EQ(objects().levelManager.setup(), 0);
    player.hint.fill(1);
    objects().profileManager.profile = &player;
    TMap map;
    map.setup();
    frame = [&map] {
        map.update();
        map.react();
    };
    const auto open = [&](int level) {
        player.currentLevel = level;
        map.prepare();
        frame();
    };
    open(12);
    key(KEY_DOWN);
    EXPECT_EQ(map.focusedLevel(), 12) << "the first key shows it on the level to play";
    std::vector<int> order = {12, button(*map.gui, "sklep"), button(*map.gui, "play")};
    for (int k = 1; k <= 11; ++k) order.push_back(k);
    EXPECT_EQ(tabRound(map.focus), order);

    // A pop-up's buttons over the map take the keys: the marker's glow goes
    // while it is up, and the mouse hides it, keeping its place.
    createGui(TSklep::kLayout)->update();
    EXPECT_EQ(map.focusedLevel(), 0);
    frame();
    EXPECT_EQ(map.focusedLevel(), 12);
    media::inputMouseMove(500, 300);
    step();
    EXPECT_EQ(map.focusedLevel(), 0);
    key(KEY_RIGHT);
    EXPECT_EQ(map.focusedLevel(), 12);

    // Enter or Space plays the level the map is at from any marker, Enter
    // with the focus hidden too.
    const auto plays = [&](std::vector<int> keys) {
        open(3);
        for (const int k : keys) key(k);
        return objects().gate.state == TGate::State::Close;
    };
    EXPECT_FALSE(plays({KEY_DOWN, KEY_DOWN}));
    EXPECT_TRUE(plays({KEY_DOWN, KEY_DOWN, KEY_ENTER}));
    EXPECT_TRUE(plays({KEY_DOWN, KEY_DOWN, KEY_SPACE}));
    EXPECT_TRUE(plays({KEY_ENTER}));
}

TEST_F(QuestKeys, TheListsRowsComeBeforeItsButtonsAndEnterPicksARowThenSelectsIt) {
    TProfileManager& list = objects().profileManager;
    testing_support::TempDir dir;
    saveFolder = dir.path();
    list.loadProfiles();
    list.setup();
    for (const char* name : {"Ada", "Bob", "Cid"}) list.addProfile(name);
    list.profile = list.clicked = list.profilesList[1].get();
    list.focus.setContainers(list.gui.get());
    list.focus.open();
    list.focus.placeOnItem(1);
    bool left = false;
    frame = [&] {
        list.update();
        left = list.react();
    };
    key(KEY_UP);
    const TGui& gui = *list.gui;
    EXPECT_EQ(tabRound(list.focus), (std::vector<int>{1, 2, button(gui, "select"), button(gui, "rename"),
                                                      button(gui, "delete"), button(gui, "new"),
                                                      button(gui, "cancel"), 0}));
    tabTo(list.focus, 2);
    key(KEY_ENTER);
    EXPECT_FALSE(left);
    EXPECT_EQ(list.clicked, list.profilesList[2].get()) << "picked as a click picks";
    key(KEY_ENTER);
    EXPECT_TRUE(left) << "the second Enter is select's";
    EXPECT_EQ(list.profile, list.profilesList[2].get());
}

TEST_F(QuestKeys, FreePlaysFocusGoesOverBothContainersAndTheMarblesAndPageDownStepsTheTabs) {
    loadTileKindsFrom("data/tiles1.dat");
    TFreePlay fp;
    fp.setup();
    fp.prepare();
    frame = [&fp] {
        fp.update();
        fp.react();
    };
    const auto panel = [&fp](const char* name) { return button(*fp.gui, name, 0); };
    const auto tab = [&fp](const char* name) { return button(*fp.current().gui, name, 1); };
    key(KEY_DOWN);
    std::vector<int> order = {panel("match3"), panel("strzelanie"), panel("puzzle")};
    for (int i = 1; i <= TZakladka::kColours; ++i) order.push_back(i);
    for (int p = TZakladka::kFirstBonus; p <= int(tileKinds.size()); ++p) order.push_back(TZakladka::kBonusItems + p);
    // The modes' radio buttons two by two (the chosen one lit), the knob in
    // the second row.
    order.insert(order.end(), {tab("normalny_on"), tab("zmienny_off"), TZakladka::kKnobItem, tab("podwojny_off"),
                               tab("strategia_off"), panel("anuluj"), panel("graj")});
    EXPECT_EQ(tabRound(fp.focus), order);

    // The container holding the focus draws it: updated last.
    TZakladka& marbles = fp.current();
    tabTo(fp.focus, tab("strategia_off"));
    EXPECT_EQ(marbles.gui->focused(), marbles.gui->getItem("strategia_off"));
    key(KEY_ENTER);
    EXPECT_EQ(marbles.tryb, "STRATEGY");
    key(KEY_TAB);
    EXPECT_EQ(fp.focus.place(), tab("strategia_on")) << "the lit twin, where the pressed one was";
    // Enter takes a colour out, Space puts it back.
    tabTo(fp.focus, 1);
    const auto holdsFirst = [&] { return std::count(marbles.tiles.begin(), marbles.tiles.end(), tileKinds[0]); };
    key(KEY_ENTER);
    EXPECT_EQ(holdsFirst(), 0);
    key(KEY_SPACE);
    EXPECT_EQ(holdsFirst(), 1);
    // The knob takes Left and Right to its ends; Up leaves it.
    tabTo(fp.focus, TZakladka::kKnobItem);
    for (int i = 0; i < 10; ++i) key(KEY_RIGHT);
    EXPECT_EQ(marbles.sliderX, TZakladka::kSliderTravel);
    key(KEY_LEFT);
    EXPECT_EQ(marbles.sliderX, TZakladka::kSliderTravel - TZakladka::kKnobStep);
    key(KEY_UP);
    EXPECT_NE(fp.focus.place(), TZakladka::kKnobItem);

    // Page Down and Page Up go round the tabs; the focus inside a tab goes
    // to the new one's caption, on "play" it stays.
    for (const char* next : {"strzelanie", "puzzle", "match3"}) {
        key(KEY_PAGEDOWN);
        step();
        EXPECT_TRUE(sameIgnoringCase(fp.current().id, next));
        EXPECT_EQ(fp.focus.place(), panel(next));
    }
    tabTo(fp.focus, panel("graj"));
    key(KEY_PAGEUP);
    EXPECT_TRUE(fp.current().isPuzzle());
    EXPECT_EQ(fp.focus.place(), panel("graj"));
    tabTo(fp.focus, panel("match3"));
    EXPECT_EQ(fp.gui->focused(), fp.gui->getItem("match3"));
    key(KEY_ENTER);
    EXPECT_TRUE(fp.current().isMatch3()) << "a caption pressed from the keyboard";
}

TEST_F(QuestKeys, TheShopsItemsToBuyInTheirRowsThenExitWhichEnterPresses) {
    loadTileKindsFrom("data/tiles1.dat");
    objects().profileManager.profile = &player;
    objects().map.setup();
    TSklep shop;
    shop.setup();
    frame = [&shop] { shop.update(); };
    // 800 diamonds buy a colour blast (760) or the shuffle (600), not the
    // bomb (900) nor the line eraser (1000).
    player.kapsle = 800;
    std::vector<TTileDataPtr> kinds;
    for (const int id : {101, 102, int(KIND_SHUFFLE), int(KIND_BOMB), int(KIND_LINE_ERASER)}) kinds.push_back(tileKindById(id));
    shop.giveBonusList(kinds);
    shop.prepare();
    key(KEY_RIGHT);
    const int exit = button(*shop.gui, "exit");
    std::vector<int> bought;
    for (const int place : tabRound(shop.focus)) {
        tabTo(shop.focus, place);
        bought.push_back(place == exit ? 0 : shop.focusedItem()->id);
    }
    EXPECT_EQ(bought, (std::vector<int>{101, 102, KIND_SHUFFLE, 0}));
    // The shuffle bought leaves too little for anything: the focus goes to
    // "exit" with the next key, and Enter there closes the panel.
    tabTo(shop.focus, exit);
    key(KEY_TAB);
    key(KEY_DOWN);
    ASSERT_EQ(shop.focusedItem()->id, KIND_SHUFFLE);
    ASSERT_TRUE(shop.purchase(KIND_SHUFFLE));
    key(KEY_DOWN);
    EXPECT_EQ(shop.focus.place(), exit);
    key(KEY_ENTER);
    shop.react();
    EXPECT_EQ(shop.dPer, 0);
}

}  // namespace
