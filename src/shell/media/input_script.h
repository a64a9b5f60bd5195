#pragma once
// Scripted input for test runs (VORNELL_INPUT=file): timed mouse moves,
// presses, keys, typed text, screenshots, the window's focus and close request,
// delivered when the game clock reaches each line. A test that changes the
// world outside the game (its save folder, say) holds the script at a
// `waitfile` line until it is done; a `waitfor` line holds it until the game
// has printed a line, so a run waits for a screen as long as it takes to open.
// A `repeat until TEXT` block plays its lines again and again until the game
// prints TEXT: a run plays a level until it is won, however long that takes.
#include <string>
#include <vector>

namespace media {

struct ScriptEvent {
    enum Kind {
        Move, Press, Release, KeyDown, KeyUp, Type, Shot, Close, Blur, Focus, WaitFile, WaitText,
        RepeatStart, RepeatEnd, PadPlug, PadUnplug, PadDown, PadUp, Stick
    };
    Kind kind = Move;
    int time = 0;      // ms after the script started
    int x = 0, y = 0;  // Move
    int button = 1;    // Press, Release: 1 left, 2 right, 3 middle
    // KeyDown/KeyUp: key name; Type: the text; Shot, WaitFile: file name;
    // WaitText, RepeatStart: the text awaited; PadDown/PadUp: the button's
    // name; Stick: "left" or "right", with x and y in thousandths.
    std::string text;
    int limit = 0;     // WaitText, RepeatStart: how long it may wait, in ms
    int partner = 0;   // RepeatStart: the index of its RepeatEnd, and the other way round
    int line = 0;      // where it stands in the script, for messages
};

class InputScript {
public:
    // Parses the script. On a malformed line: false, and `error` names the line.
    bool parse(const std::string& source, std::string& error);
    bool load(const std::string& path, std::string& error);

    void start(int now) { origin_ = now; }
    // The next event due at `now`, or nullptr. Events come in script order;
    // a `waitfile` line is never returned: it holds the lines after it until
    // its file exists, and their times count from then. Nor is a `waitfor`
    // line, which holds them until a line heard since the line before it was
    // began shows its text.
    const ScriptEvent* nextDue(int now);
    // A line the game printed on its console.
    void heard(const std::string& line);
    // Why the script cannot go on (a `waitfor` line out of time), or empty.
    const std::string& failure() const { return failure_; }
    bool finished() const { return next_ >= events_.size(); }

    static constexpr int kDefaultWaitForMs = 20000;
    // The gamepad buttons a script may name, in PadButton's order.
    static const std::vector<std::string>& padButtonNames();
    // Whether a printed line shows `text`: as a part of it that does not end
    // inside a word or number, so "MAP : level 1" is not "MAP : level 12".
    static bool shows(const std::string& line, const std::string& text);
    const std::vector<ScriptEvent>& events() const { return events_; }

private:
    std::vector<ScriptEvent> events_;
    size_t next_ = 0;
    int origin_ = 0;
    // Lines printed since the script line last delivered began.
    std::vector<std::string> heard_;
    int deliveredLine_ = 0;
    std::string failure_;
    // The repeat block being played (the index of its RepeatStart, or -1),
    // when it began, and whether its text was printed since.
    int repeat_ = -1;
    int repeatBegan_ = 0;
    bool repeatDone_ = false;

    void advance();
    // At a line's start inside a repeat block: leaves the block when its
    // text came, or fails the script when its time ran out.
    void checkRepeat(int now);
};

}  // namespace media
