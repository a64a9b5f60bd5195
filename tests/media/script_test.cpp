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

}  // namespace
