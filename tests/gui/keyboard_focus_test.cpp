// The keyboard focus: the order it follows on a screen, the arrow keys'
// choice, and how the container shows it, presses with it and hides it; on
// every layout of the game, every active button is reached, each once.
#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>
#include <deque>
#include <set>

#include "gui/button.h"
#include "gui/keyboard_focus.h"
#include "gui/text_entry.h"
#include "widget_harness.h"

namespace {

TFocusTarget at(int index, int x, int y, int w = 100, int h = 40) {
    TFocusTarget t{index, {}};
    t.dim.x1 = x - w / 2;
    t.dim.x2 = x + w / 2;
    t.dim.y1 = y - h / 2;
    t.dim.y2 = y + h / 2;
    return t;
}

std::vector<int> indices(const std::vector<TFocusTarget>& targets) {
    std::vector<int> out;
    for (const TFocusTarget& t : targets) out.push_back(t.index);
    return out;
}

TEST(FocusOrder, RowByRowLeftToRightWhateverTheFileOrder) {
    // A column of three under a row of two, the second row slightly uneven
    // (as hand-placed buttons are), listed in no particular order.
    const std::vector<TFocusTarget> layout = {at(0, 400, 400), at(1, 500, 106), at(2, 400, 300),
                                              at(3, 300, 100), at(4, 400, 200)};
    EXPECT_EQ(indices(readingOrder(layout)), (std::vector<int>{3, 1, 4, 2, 0}));
    // Far enough apart vertically, side by side buttons are two rows.
    EXPECT_EQ(indices(readingOrder({at(0, 500, 100), at(1, 300, 125)})), (std::vector<int>{0, 1}));
}

TEST(FocusOrder, ArrowsTakeTheNearestThatWayAndStopAtTheEdge) {
    // 0 1 2
    //   3
    // 4       5 (far right, a little lower: still in 4's row)
    const std::vector<TFocusTarget> t = {at(0, 100, 100), at(1, 300, 100), at(2, 500, 100),
                                         at(3, 300, 250), at(4, 100, 400), at(5, 700, 420)};
    EXPECT_EQ(nextInDirection(t, 0, 1, 0), 1);
    EXPECT_EQ(nextInDirection(t, 1, 1, 0), 2);
    EXPECT_EQ(nextInDirection(t, 1, 0, 1), 3) << "straight down before down and aside";
    EXPECT_EQ(nextInDirection(t, 3, 0, 1), 4) << "the lower one nearest, even aside";
    EXPECT_EQ(nextInDirection(t, 4, 1, 0), 5) << "its own row before the nearer one above";
    EXPECT_EQ(nextInDirection(t, 3, 0, -1), 1);
    EXPECT_EQ(nextInDirection(t, 0, -1, 0), -1) << "nothing further left";
    EXPECT_EQ(nextInDirection(t, 0, 0, -1), -1);
    EXPECT_EQ(nextInDirection(t, 9, 1, 0), -1);
}

class KeyboardFocus : public WidgetTest {
protected:
    // Three 40 x 40 buttons in a row, listed right to left, and a hidden one.
    std::unique_ptr<TGui> row() {
        const std::string pic = strip(40, 40, 1);
        return guiOf("BUTTON right { POSITION = \"300 100\" GFX = \"" + pic + "\" }\n" +
                     "BUTTON middle { POSITION = \"200 100\" GFX = \"" + pic + "\" }\n" +
                     "BUTTON left { POSITION = \"100 100\" GFX = \"" + pic + "\" }\n" +
                     "BUTTON hidden { POSITION = \"100 300\" GFX = \"" + pic + "\" VISIBLE = 0 }\n");
    }
    static std::string focusedName(const TGui& gui) {
        const TGuiObject* w = gui.focused();
        return w ? w->_id : "";
    }
};

TEST_F(KeyboardFocus, AKeyShowsItTheArrowsAndTabMoveItEnterAndSpacePress) {
    auto gui = row();
    frame(*gui);
    EXPECT_EQ(gui->focused(), nullptr) << "hidden until a key asks for it";
    press(KEY_RIGHT);
    frame(*gui);
    EXPECT_EQ(focusedName(*gui), "left") << "the first key shows it on the first in reading order";
    EXPECT_EQ(gui->_over, "left") << "the focused button looks hovered";
    press(KEY_RIGHT);
    frame(*gui);
    EXPECT_EQ(focusedName(*gui), "middle");
    press(KEY_TAB);
    frame(*gui);
    EXPECT_EQ(focusedName(*gui), "right");
    press(KEY_TAB);
    frame(*gui);
    EXPECT_EQ(focusedName(*gui), "left") << "Tab goes round; the hidden button is skipped";
    media::inputKeyDown(KEY_LSHIFT);
    press(KEY_TAB);
    frame(*gui);
    media::inputKeyUp(KEY_LSHIFT);
    EXPECT_EQ(focusedName(*gui), "right") << "Shift+Tab goes back";
    EXPECT_FALSE(gui->clickedItem("right"));
    press(KEY_ENTER);
    frame(*gui);
    EXPECT_TRUE(gui->clickedItem("right"));
    frame(*gui);
    EXPECT_FALSE(gui->clickedItem("right")) << "a press lasts one frame";
    press(KEY_SPACE);
    frame(*gui);
    EXPECT_TRUE(gui->clickedItem("right"));
    // A button that goes inactive is left; the next key lands on the first.
    gui->getItem("right")->setState(1, 0);
    frame(*gui);
    EXPECT_EQ(gui->focused(), nullptr);
    press(KEY_ENTER);
    frame(*gui);
    EXPECT_EQ(gui->_clicked, "");
    press(KEY_LEFT);
    frame(*gui);
    EXPECT_EQ(focusedName(*gui), "left");
}

TEST_F(KeyboardFocus, TheMouseHidesItAndAKeyBringsItBackWhereItWas) {
    auto gui = row();
    press(KEY_TAB);
    frame(*gui);
    press(KEY_TAB);
    frame(*gui);
    ASSERT_EQ(focusedName(*gui), "middle");
    pointAt(400, 400);
    frame(*gui);
    EXPECT_EQ(gui->focused(), nullptr);
    press(KEY_ENTER);
    frame(*gui);
    EXPECT_EQ(gui->_clicked, "") << "Enter presses nothing while the focus is hidden";
    // The first key brings it back on the same button without moving it.
    press(KEY_DOWN);
    frame(*gui);
    EXPECT_EQ(focusedName(*gui), "middle");
    // The next screen's widgets wait for a key of their own, so its Enter
    // and Space keep their meaning until then; the screen behind shows none.
    auto next = row();
    frame(*next);
    EXPECT_EQ(next->focused(), nullptr);
    EXPECT_EQ(gui->focused(), nullptr) << "a screen behind the one in use shows no focus";
    press(KEY_SPACE);
    frame(*next);
    EXPECT_EQ(next->_clicked, "");
    press(KEY_TAB);
    frame(*next);
    EXPECT_EQ(focusedName(*next), "left");
}

TEST_F(KeyboardFocus, WhereANameIsTypedSpaceIsALetter) {
    const std::string pic = strip(40, 40, 1);
    auto gui = guiOf("BUTTON ok { POSITION = \"100 100\" GFX = \"" + pic + "\" }\n");
    gui->addItem(std::make_unique<TTextEntry>());
    press(KEY_TAB);
    frame(*gui);
    ASSERT_EQ(focusedName(*gui), "ok");
    press(KEY_SPACE);
    frame(*gui);
    EXPECT_FALSE(gui->clickedItem("ok"));
    press(KEY_ENTER);
    frame(*gui);
    EXPECT_TRUE(gui->clickedItem("ok"));
}

// Every layout of the game, as its file first shows it: Tab visits every
// visible active button once, and the arrow keys reach each of them from the
// first.
TEST_F(KeyboardFocus, EveryLayoutOfTheGameIsWholeByKeys) {
    const std::string data = testing_support::contentDir() + "/data";
    testing_support::InContentDir here;
    ASSERT_TRUE(here.ok()) << testing_support::kNoContent;
    std::vector<std::string> layouts;
    if (DIR* d = opendir(data.c_str())) {
        while (const dirent* e = readdir(d)) {
            const std::string name = e->d_name;
            if (name.size() > 4 && name.substr(name.size() - 4) == ".gui") layouts.push_back("data/" + name);
        }
        closedir(d);
    }
    ASSERT_GT(layouts.size(), 15u);
    for (const std::string& layout : layouts) {
        auto gui = createGui(layout);
        const std::vector<TFocusTarget> targets = gui->focusTargets();
        std::set<int> buttons;
        for (size_t i = 0; i < gui->_listaObiektow.size(); ++i) {
            const TGuiObject& w = *gui->_listaObiektow[i];
            if (w._v && w._a && w._class == GUI_BUTTON) buttons.insert(int(i));
        }
        const std::vector<int> order = indices(targets);
        EXPECT_EQ(std::set<int>(order.begin(), order.end()), buttons) << layout;
        EXPECT_EQ(order.size(), buttons.size()) << layout << ": a button twice";
        // Buttons on the same spot are alternatives the screen shows one at
        // a time (on and off, next and ok); the arrows need reach one.
        std::vector<TFocusTarget> shown;
        for (const TFocusTarget& t : targets)
            if (std::none_of(shown.begin(), shown.end(), [&t](const TFocusTarget& s) {
                    return s.dim.x1 == t.dim.x1 && s.dim.y1 == t.dim.y1 && s.dim.x2 == t.dim.x2 && s.dim.y2 == t.dim.y2;
                }))
                shown.push_back(t);
        if (shown.empty()) continue;
        std::set<int> reached = {0};
        std::deque<int> todo = {0};
        while (!todo.empty()) {
            const int from = todo.front();
            todo.pop_front();
            for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                if (const int next = nextInDirection(shown, from, dx, dy); next >= 0 && reached.insert(next).second)
                    todo.push_back(next);
        }
        EXPECT_EQ(reached.size(), shown.size()) << layout << ": a button the arrow keys never reach";
    }
}

}  // namespace
