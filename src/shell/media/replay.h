#pragma once
// Recording a session and playing it back, for bug reports that reproduce
// exactly what happened. VORNELL_RECORD=file writes the random seed, every
// reading of the game clock and every input event as it enters the input
// state; VORNELL_REPLAY=file feeds them back in place of the clock and the
// player, on the real clock or the virtual one. When the recording runs out,
// the clock goes on from where it stood and the player takes over.
//
// The file is text, one record a line, grouped into frames:
//
//   vornell-replay 1
//   s 48213           the random seed
//   c 16 1            clock readings: 1 reading 16 ms after the one before
//   c 0 41            41 readings at the same time
//   e 3 m 400 300     at the frame's 3rd input poll: pointer to (400, 300)
//   f                 the frame ends
//
// Events: k/u CODE key down/up, c CODE typed character, m X Y pointer,
// d/r B button down/up, w D wheel, f focus lost, q close request, s NAME
// screenshot (test runs).
#include <cstdio>
#include <string>
#include <vector>

namespace media {

struct ReplayEvent {
    char kind = 0;
    int poll = 0;  // which input poll of its frame (from 1)
    int a = 0, b = 0;
    std::string name;  // screenshots
};

struct ReplayFrame {
    struct Run {
        int delta = 0;  // ms after the reading before
        int count = 0;
    };
    std::vector<Run> clock;
    std::vector<ReplayEvent> events;
};

// A recording in memory: what the reader makes of a file.
struct Recording {
    std::vector<int> seeds;
    std::vector<ReplayFrame> frames;
};

// Reads a recording. A damaged line ends it there (what came before it is
// kept) and `error` says where; a file that is no recording gives false.
bool parseRecording(const std::string& text, Recording& out, std::string& error);

// Writes a session as it is played.
class ReplayWriter {
public:
    ~ReplayWriter() { close(); }
    bool open(const std::string& path);
    bool isOpen() const { return file_ != nullptr; }
    void seed(int value);
    void clock(int value);
    void event(const ReplayEvent& e);
    void frameEnd();
    void close();

private:
    void flushRun();
    std::FILE* file_ = nullptr;
    int last_ = 0;
    ReplayFrame::Run run_;
};

// Plays a recording back.
class ReplayReader {
public:
    explicit ReplayReader(Recording recording) : rec_(std::move(recording)) {}
    bool finished() const { return frame_ >= rec_.frames.size(); }
    // The next reading of the clock. A frame read more often than when it
    // was recorded repeats its last reading, and after kPatience surplus
    // readings moves on by 1 ms a reading, so no wait for the clock hangs.
    int clock();
    static constexpr int kPatience = 1000;
    // The next recorded seed, if any is left.
    bool seed(int& out);
    // One input poll: the events recorded for it (and any earlier one this
    // frame missed) go to `deliver`.
    template <class Deliver>
    void poll(Deliver&& deliver) {
        if (finished()) return;
        ++polls_;
        deliverUpTo(polls_, deliver);
    }
    // The frame ends: its events not yet delivered go now, its clock
    // readings not yet made are passed over.
    template <class Deliver>
    void frameEnd(Deliver&& deliver) {
        if (finished()) return;
        deliverUpTo(0x7FFFFFFF, deliver);
        nextFrame();
    }
    int lastReading() const { return last_; }

private:
    void nextFrame();
    template <class Deliver>
    void deliverUpTo(int poll, Deliver& deliver) {
        const std::vector<ReplayEvent>& events = rec_.frames[frame_].events;
        while (event_ < events.size() && events[event_].poll <= poll) deliver(events[event_++]);
    }
    Recording rec_;
    size_t seed_ = 0, frame_ = 0, run_ = 0, event_ = 0;
    int inRun_ = 0, polls_ = 0, last_ = 0, surplus_ = 0;
};

namespace replay {
// The hooks of the media layer. Each does nothing unless a session is
// recorded or played back (read from the environment at the first call).

// Every reading of the game clock passes through: recorded, or replaced.
int clockReading(int live);
// The seed the game is about to use, or the recorded one in its place.
int seed(int requested);
// An event entering the input state.
void event(char kind, int a = 0, int b = 0, const std::string& name = {});
// Called on every input poll; true while a recording is played, when live
// input is to be left out.
bool poll();
void frameEnd();
bool replaying();
}  // namespace replay

}  // namespace media
