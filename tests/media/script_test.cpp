// The scripted-input format of test runs.
#include <gtest/gtest.h>

#include "shell/media/input_script.h"
#include "test_support.h"

namespace {

using media::InputScript;
using media::ScriptEvent;
using testing_support::TempDir;
using testing_support::writeFile;

TEST(InputScript, LinesHappenWhenTheClockReachesThem) {
    InputScript script;
    std::string error;
    ASSERT_TRUE(script.parse("# start\nmove 10 20\nwait 100\nclick 400 300 right\nkey Escape\n"
                             "type Hello world\nshot a.png   # comment\nclose\nblur\nfocus\n",
                             error))
        << error;
    const auto& ev = script.events();
    ASSERT_EQ(ev.size(), 11u);
    EXPECT_EQ(ev[0].kind, ScriptEvent::Move);
    EXPECT_EQ(ev[1].time, 100);
    EXPECT_EQ(ev[2].kind, ScriptEvent::Press);
    EXPECT_EQ(ev[2].button, 2);
    EXPECT_EQ(ev[3].kind, ScriptEvent::Release);
    EXPECT_EQ(ev[3].time, 150) << "a click holds the button 50 ms";
    EXPECT_EQ(ev[4].text, "Escape");
    EXPECT_EQ(ev[5].time, 200) << "a key press holds the key 50 ms";
    EXPECT_EQ(ev[6].text, "Hello world");
    EXPECT_EQ(ev[7].text, "a.png");
    EXPECT_EQ(ev[8].kind, ScriptEvent::Close);
    EXPECT_EQ(ev[9].kind, ScriptEvent::Blur);
    EXPECT_EQ(ev[10].kind, ScriptEvent::Focus);

    script.start(1000);
    ASSERT_NE(script.nextDue(1000), nullptr);
    EXPECT_EQ(script.nextDue(1099), nullptr);
    EXPECT_EQ(script.nextDue(1100)->kind, ScriptEvent::Move);
    EXPECT_EQ(script.nextDue(1100)->kind, ScriptEvent::Press);
    EXPECT_EQ(script.nextDue(1100), nullptr);
    int delivered = 0;
    while (script.nextDue(5000)) ++delivered;
    EXPECT_EQ(delivered, 8);
    EXPECT_TRUE(script.finished());
}

TEST(InputScript, MalformedLinesAreRejectedWithTheirLineNumber) {
    const char* bad[] = {
        "wait",      "wait -5",        "wait 1x",     "move 1",     "click 1 2 up", "press thumb",
        "key",       "type",           "shot ../x.png", "shot a/b.png", "close now",  "jump 3",
        "blur 2",    "waitfile",       "wait 86400001", "wait 2147483647",
        "waitfor",   "waitfor 500",    "waitfor \"MAP", "waitfor \"\" 5", "waitfor MAP 0",
        "waitfor MAP -5", "waitfor \"MAP 1\" x", "waitfor MAP 86400001",
    };
    for (const char* line : bad) {
        InputScript script;
        std::string error;
        EXPECT_FALSE(script.parse(std::string("move 1 1\n") + line + "\n", error)) << line;
        EXPECT_NE(error.find("line 2"), std::string::npos) << error;
    }
    // Waits that add up past a day are refused where they cross it, before the
    // event times could overflow.
    InputScript script;
    std::string error;
    EXPECT_TRUE(script.parse("wait 86400000\nkey A\n", error)) << error;
    EXPECT_FALSE(script.parse("wait 2000000000\nwait 2000000000\n", error));
    EXPECT_FALSE(script.parse("wait 86000000\nwait 400000\nwait 1\n", error));
    EXPECT_NE(error.find("line 3"), std::string::npos) << error;
}

TEST(InputScript, AWaitfileLineHoldsTheRestUntilItsFileExists) {
    TempDir dir;
    const std::string go = dir.file("go");
    InputScript script;
    std::string error;
    ASSERT_TRUE(script.parse("key A\nwait 100\nwaitfile " + go + "\nwait 200\nmove 5 5\n", error)) << error;
    script.start(0);
    EXPECT_EQ(script.nextDue(0)->kind, ScriptEvent::KeyDown);
    EXPECT_EQ(script.nextDue(50)->kind, ScriptEvent::KeyUp);
    EXPECT_EQ(script.nextDue(10000), nullptr) << "held while the file is missing";
    EXPECT_FALSE(script.finished());
    writeFile(go, "");
    EXPECT_EQ(script.nextDue(20000), nullptr) << "the next line is 200 ms after the file appeared";
    EXPECT_EQ(script.nextDue(20199), nullptr);
    EXPECT_EQ(script.nextDue(20200)->kind, ScriptEvent::Move);
    EXPECT_TRUE(script.finished());
}

TEST(InputScript, AWaitforLineTakesItsTextAndAnOptionalLimit) {
    InputScript script;
    std::string error;
    ASSERT_TRUE(script.parse("waitfor SCREEN : open mainmenu\nwaitfor SCREEN : open map 5000\n"
                             "waitfor \"MAP : level 12\"\nwaitfor \"MAP : level 3\" 700\n",
                             error))
        << error;
    const auto& ev = script.events();
    ASSERT_EQ(ev.size(), 4u);
    EXPECT_EQ(ev[0].kind, ScriptEvent::WaitText);
    EXPECT_EQ(ev[0].text, "SCREEN : open mainmenu");
    EXPECT_EQ(ev[0].limit, InputScript::kDefaultWaitForMs);
    EXPECT_EQ(ev[1].text, "SCREEN : open map");
    EXPECT_EQ(ev[1].limit, 5000);
    EXPECT_EQ(ev[2].text, "MAP : level 12") << "quotes keep a number at the end of the text";
    EXPECT_EQ(ev[2].limit, InputScript::kDefaultWaitForMs);
    EXPECT_EQ(ev[3].text, "MAP : level 3");
    EXPECT_EQ(ev[3].limit, 700);
}

TEST(InputScript, APrintedLineShowsATextThatDoesNotEndInsideAWord) {
    EXPECT_TRUE(InputScript::shows("SCREEN : open mainmenu", "SCREEN : open mainmenu"));
    EXPECT_TRUE(InputScript::shows("LOADED : 16 of 16 steps", "LOADED"));
    EXPECT_TRUE(InputScript::shows("MAP : level 12", "MAP : level 12"));
    EXPECT_FALSE(InputScript::shows("MAP : level 12", "MAP : level 1"));
    EXPECT_FALSE(InputScript::shows("SCREEN : open gamelostinfo", "SCREEN : open game"));
    EXPECT_TRUE(InputScript::shows("SCREEN : open gamelostinfo, SCREEN : open game", "SCREEN : open game"))
        << "a later place in the line may show it";
    EXPECT_TRUE(InputScript::shows("dialogs: yes at 5 ms", "dialogs: "));
    EXPECT_FALSE(InputScript::shows("SCREEN : open map", "screen"));
    EXPECT_FALSE(InputScript::shows("anything", ""));
}

TEST(InputScript, AWaitforLineHoldsTheRestUntilTheGamePrintsItsText) {
    InputScript script;
    std::string error;
    ASSERT_TRUE(script.parse("key A\nwaitfor SCREEN : open map\nwait 200\nmove 5 5\n"
                             "waitfor SCREEN : open map\nmove 6 6\n",
                             error))
        << error;
    script.start(0);
    script.heard("SCREEN : open map");  // before the line ahead of the waitfor: too early
    EXPECT_EQ(script.nextDue(0)->kind, ScriptEvent::KeyDown);
    // The key's release is part of its line: what the press printed counts.
    script.heard("MAIN MENU");
    script.heard("SCREEN : open map");
    EXPECT_EQ(script.nextDue(50)->kind, ScriptEvent::KeyUp);
    EXPECT_EQ(script.nextDue(3000), nullptr) << "the lines after a waitfor count from its text";
    EXPECT_EQ(script.nextDue(3199), nullptr);
    EXPECT_EQ(script.nextDue(3200)->kind, ScriptEvent::Move);
    // A screen opening twice is waited for twice: the first opening was spent.
    EXPECT_EQ(script.nextDue(9000), nullptr);
    script.heard("SCREEN : close map");
    EXPECT_EQ(script.nextDue(9050), nullptr);
    script.heard("SCREEN : open map");
    EXPECT_EQ(script.nextDue(9100)->kind, ScriptEvent::Move);
    EXPECT_TRUE(script.finished());
    EXPECT_TRUE(script.failure().empty());
}

TEST(InputScript, WaitforLinesInARowTakeThePrintedLinesInTheirOrder) {
    InputScript script;
    std::string error;
    ASSERT_TRUE(script.parse("waitfor B\nwaitfor A\nkey X\n", error)) << error;
    script.start(0);
    script.heard("A");
    script.heard("B");
    EXPECT_EQ(script.nextDue(10), nullptr) << "the A before B cannot answer the waitfor after B";
    script.heard("A");
    EXPECT_EQ(script.nextDue(20)->kind, ScriptEvent::KeyDown);
}

TEST(InputScript, AWaitforOutOfTimeStopsTheScriptNamingItsLineAndText) {
    InputScript script;
    std::string error;
    ASSERT_TRUE(script.parse("wait 1000\n\nwaitfor SCREEN : open shop 500\nkey A\n", error)) << error;
    script.start(100);
    EXPECT_EQ(script.nextDue(1500), nullptr);
    EXPECT_TRUE(script.failure().empty()) << "the limit counts from the line's own time";
    EXPECT_EQ(script.nextDue(1599), nullptr);
    EXPECT_TRUE(script.failure().empty());
    EXPECT_EQ(script.nextDue(1600), nullptr);
    EXPECT_NE(script.failure().find("line 3"), std::string::npos) << script.failure();
    EXPECT_NE(script.failure().find("SCREEN : open shop"), std::string::npos) << script.failure();
    script.heard("SCREEN : open shop");
    EXPECT_EQ(script.nextDue(2000), nullptr) << "a script out of time stays stopped";
    EXPECT_FALSE(script.finished());
}

TEST(InputScript, ARepeatBlockPlaysUntilItsTextAndLeavesBetweenLines) {
    InputScript script;
    std::string error;
    ASSERT_TRUE(script.parse("repeat until GAME : won 10000\nkey Return\nwait 100\nkey Right\nend\nkey Escape\n", error))
        << error;
    script.start(0);
    EXPECT_EQ(script.nextDue(0)->text, "Return");
    EXPECT_EQ(script.nextDue(50)->kind, ScriptEvent::KeyUp);
    EXPECT_EQ(script.nextDue(150)->text, "Right");
    EXPECT_EQ(script.nextDue(200)->kind, ScriptEvent::KeyUp);
    // Round again, its times counted from the end of the last round.
    EXPECT_EQ(script.nextDue(200)->text, "Return");
    // The text comes between a key's press and release: the release still
    // comes, then the block is left and the line after it follows.
    script.heard("GAME : won level 1");
    EXPECT_EQ(script.nextDue(250)->kind, ScriptEvent::KeyUp);
    const ScriptEvent* next = script.nextDue(250);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->text, "Escape");
    EXPECT_EQ(next->kind, ScriptEvent::KeyDown);
    EXPECT_TRUE(script.failure().empty());
}

TEST(InputScript, ARepeatBlockOutOfTimeStopsTheScript) {
    InputScript script;
    std::string error;
    ASSERT_TRUE(script.parse("repeat until \"level 12\" 1000\nkey Space\nend\n", error)) << error;
    script.start(0);
    script.heard("level 1");  // printed before the block: it does not count
    for (int now = 0; now < 1000; now += 50) script.nextDue(now);
    EXPECT_TRUE(script.failure().empty());
    script.heard("MAP : level 1");
    EXPECT_EQ(script.nextDue(1000), nullptr);
    EXPECT_NE(script.failure().find("line 1"), std::string::npos) << script.failure();
    EXPECT_NE(script.failure().find("level 12"), std::string::npos) << script.failure();
}

TEST(InputScript, PadAndRepeatLinesAreCheckedAsTheyAreRead) {
    InputScript script;
    std::string error;
    ASSERT_TRUE(script.parse("padplug\npad a\npaddown start\npadup start\nstick right 0.5 -1\npadunplug\n", error))
        << error;
    const auto& ev = script.events();
    ASSERT_EQ(ev.size(), 7u);
    EXPECT_EQ(ev[1].kind, ScriptEvent::PadDown);
    EXPECT_EQ(ev[2].kind, ScriptEvent::PadUp);
    EXPECT_EQ(ev[2].time, 50) << "a pad press holds the button 50 ms, as a key does";
    EXPECT_EQ(ev[5].text, "right");
    EXPECT_EQ(ev[5].x, 500);
    EXPECT_EQ(ev[5].y, -1000);
    for (const char* bad : {"pad z\n", "stick left 2 0\n", "stick up 0 0\n", "repeat until\n", "repeat\n",
                            "end\n", "repeat until X\nkey A\n", "repeat until X\nend\n",
                            "repeat until X\ntype abc\nend\n", "repeat until X\nrepeat until Y\n"}) {
        EXPECT_FALSE(script.parse(bad, error)) << bad;
    }
}

}  // namespace
