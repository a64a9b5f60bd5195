// Session recordings: what is written reads back as the same clock, seeds
// and events frame by frame; a replay keeps in step when a frame reads the
// clock or polls input more or less often than when it was recorded; a
// damaged or foreign file is played only as far as it can be trusted.
#include <gtest/gtest.h>

#include <climits>

#include "shell/media/replay.h"
#include "test_support.h"

namespace {

using media::Recording;
using media::ReplayEvent;
using media::ReplayReader;
using media::ReplayWriter;

ReplayEvent event(char kind, int poll, int a = 0, int b = 0, const std::string& name = {}) {
    ReplayEvent e;
    e.kind = kind;
    e.poll = poll;
    e.a = a;
    e.b = b;
    e.name = name;
    return e;
}

Recording parse(const std::string& text) {
    Recording rec;
    std::string error;
    EXPECT_TRUE(media::parseRecording(text, rec, error)) << error;
    return rec;
}

// Every event of a frame as "kind:poll:a:b:name", as delivered.
struct Delivered {
    std::vector<std::string> log;
    void operator()(const ReplayEvent& e) {
        log.push_back(std::string(1, e.kind) + ":" + std::to_string(e.a) + ":" + std::to_string(e.b) + e.name);
    }
};

TEST(Replay, AWrittenSessionReadsBackReadingByReadingAndPollByPoll) {
    testing_support::TempDir dir;
    const std::string path = dir.file("session.txt");
    {
        ReplayWriter w;
        ASSERT_TRUE(w.open(path));
        w.seed(4711);
        for (int t : {1000, 1000, 1000, 1016, 1016}) w.clock(t);
        w.event(event('m', 2, 400, 300));
        w.event(event('d', 2, 1));
        w.event(event('s', 3, 0, 0, "a.png"));
        w.frameEnd();
        for (int t : {1032, 1048, 1064, 1064}) w.clock(t);
        w.event(event('k', 1, 27));
        w.frameEnd();
        w.clock(900);  // a clock that went back still reads back
    }
    const std::string text = testing_support::readFile(path);
    EXPECT_EQ(text,
              "vornell-replay 1\ns 4711\nc 1000 1\nc 0 2\nc 16 1\nc 0 1\ne 2 m 400 300\ne 2 d 1\ne 3 s a.png\nf\n"
              "c 16 3\nc 0 1\ne 1 k 27\nf\nc -164 1\n");

    ReplayReader r(parse(text));
    int seed = 0;
    ASSERT_TRUE(r.seed(seed));
    EXPECT_EQ(seed, 4711);
    EXPECT_FALSE(r.seed(seed));
    Delivered d;
    for (int t : {1000, 1000, 1000}) EXPECT_EQ(r.clock(), t);
    r.poll(d);
    EXPECT_TRUE(d.log.empty()) << "nothing came at the first poll";
    r.poll(d);
    EXPECT_EQ(d.log, (std::vector<std::string>{"m:400:300", "d:1:0"}));
    for (int t : {1016, 1016}) EXPECT_EQ(r.clock(), t);
    r.poll(d);
    EXPECT_EQ(d.log.back(), "s:0:0a.png");
    r.frameEnd(d);
    for (int t : {1032, 1048, 1064, 1064}) EXPECT_EQ(r.clock(), t);
    r.frameEnd(d);
    EXPECT_EQ(d.log.back(), "k:27:0") << "an event whose poll never came is delivered as its frame ends";
    EXPECT_FALSE(r.finished()) << "the frame cut short by the end of the file is played too";
    EXPECT_EQ(r.clock(), 900);
    r.frameEnd(d);
    EXPECT_TRUE(r.finished());
}

TEST(Replay, AFrameThatReadsTheClockMoreOrLessOftenStaysInStep) {
    ReplayReader r(parse("vornell-replay 1\nc 1000 1\nc 5 4\nf\nc 16 1\nc 0 3\nf\nc 16 2\nf\n"));
    Delivered d;
    // Frame 1 read twice instead of five times: frame 2 starts where frame 1 ended.
    EXPECT_EQ(r.clock(), 1000);
    EXPECT_EQ(r.clock(), 1005);
    r.frameEnd(d);
    // Frame 2 read six times instead of four: the surplus repeats the last.
    for (int t : {1036, 1036, 1036, 1036, 1036, 1036}) EXPECT_EQ(r.clock(), t);
    r.frameEnd(d);
    EXPECT_EQ(r.clock(), 1052);
    // A loop waiting for the clock in a frame gone astray still gets there.
    int t = 0;
    for (int i = 0; i < 100000 && t < 1100; ++i) t = r.clock();
    EXPECT_EQ(t, 1100);
    r.frameEnd(d);
    EXPECT_TRUE(r.finished());
    EXPECT_EQ(r.lastReading(), 1100);
}

TEST(Replay, DamagedAndForeignRecordingsAreTrustedOnlyUpToTheDamage) {
    Recording rec;
    std::string error;
    EXPECT_FALSE(media::parseRecording("", rec, error));
    EXPECT_FALSE(media::parseRecording("profile {\n}\n", rec, error));
    EXPECT_FALSE(error.empty());

    for (const char* bad : {"c 1 0", "c x 1", "e 1 z", "e 1 m 4", "e 1 k", "e -1 k 3", "e 1 s ../../x.png",
                            "e 1 s /tmp/x.png", "e 1 s", "s", "q 1", "e 2 k 1\ne 1 k 2", "c 1 99999999999"}) {
        error.clear();
        ASSERT_TRUE(media::parseRecording(std::string("vornell-replay 1\nc 1000 1\nf\n") + bad + "\nf\nc 5 1\nf\n",
                                          rec, error))
            << bad;
        EXPECT_NE(error.find("line "), std::string::npos) << bad;
        ASSERT_GE(rec.frames.size(), 1u) << bad;
        EXPECT_LE(rec.frames.size(), 2u) << bad << ": nothing after the damage is played";
    }

    // Readings far beyond the clock's range saturate instead of overflowing.
    ReplayReader r(parse("vornell-replay 1\nc 2147483647 1\nc 2147483647 3\nf\nc -2147483647 3\nf\n"));
    Delivered d;
    EXPECT_EQ(r.clock(), INT_MAX);
    EXPECT_EQ(r.clock(), INT_MAX);
    r.frameEnd(d);
    EXPECT_EQ(r.clock(), 0);
    r.frameEnd(d);
    EXPECT_EQ(r.lastReading(), -INT_MAX);
}

}  // namespace
