#include "shell/media/input_script.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "shell/media/files.h"

namespace media {

namespace {

constexpr int kTapMs = 50;  // how long `click` and `key` hold the button down
// A script's events may lie at most a day after its start, which keeps every
// event time (and the taps added after it) far from the int range's end.
constexpr int kMaxScriptMs = 24 * 60 * 60 * 1000;

bool parseInt(const std::string& word, int& out) {
    if (word.empty()) return false;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), out);
    return ec == std::errc() && end == word.data() + word.size();
}

bool parseButton(const std::string& word, int& out) {
    if (word == "left") out = 1;
    else if (word == "right") out = 2;
    else if (word == "middle") out = 3;
    else return false;
    return true;
}

std::string trim(const std::string& s) {
    size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return {};
    size_t b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

// The text a line waits for and its time limit in ms (`limit` keeps its
// default without one). The text runs to the end of the line, or to a last
// word that is a number: the limit. Quotes keep a text that ends in a number.
bool parseAwaited(const std::string& rest, std::string& text, int& limit) {
    std::string limitWord;
    text = rest;
    const size_t lastSpace = rest.find_last_of(" \t");
    int number;
    if (!rest.empty() && rest.front() == '"') {
        const size_t close = rest.find('"', 1);
        if (close == std::string::npos) return false;
        text = rest.substr(1, close - 1);
        limitWord = trim(rest.substr(close + 1));
    } else if (parseInt(rest.substr(lastSpace == std::string::npos ? 0 : lastSpace + 1), number)) {
        // A lone number is a limit without its text.
        if (lastSpace == std::string::npos) return false;
        limitWord = rest.substr(lastSpace + 1);
        text = trim(rest.substr(0, lastSpace));
    }
    return !text.empty() && (limitWord.empty() || (parseInt(limitWord, limit) && limit > 0));
}

}  // namespace

const std::vector<std::string>& InputScript::padButtonNames() {
    static const std::vector<std::string> names = {"a",  "b",  "x",  "y", "start", "back", "leftshoulder",
                                                   "rightshoulder", "dpup", "dpdown", "dpleft", "dpright"};
    return names;
}

bool InputScript::parse(const std::string& source, std::string& error) {
    events_.clear();
    next_ = 0;
    heard_.clear();
    failure_.clear();
    deliveredLine_ = 0;
    repeat_ = -1;
    repeatDone_ = false;
    int openRepeat = -1;  // the RepeatStart of the block being read
    std::istringstream lines(source);
    std::string raw;
    int lineNo = 0;
    int t = 0;
    while (std::getline(lines, raw)) {
        ++lineNo;
        size_t hash = raw.find('#');
        std::string line = trim(hash == std::string::npos ? raw : raw.substr(0, hash));
        if (line.empty()) continue;
        size_t space = line.find_first_of(" \t");
        std::string cmd = line.substr(0, space);
        std::string rest = space == std::string::npos ? "" : trim(line.substr(space));
        std::istringstream words(rest);
        std::vector<std::string> args;
        for (std::string w; words >> w;) args.push_back(w);
        auto bad = [&](const std::string& why) {
            error = "input script line " + std::to_string(lineNo) + " (" + trim(raw) + "): " + why;
            return false;
        };
        auto event = [&](ScriptEvent::Kind kind, int at) {
            ScriptEvent e;
            e.kind = kind;
            e.time = at;
            e.line = lineNo;
            events_.push_back(e);
            return &events_.back();
        };

        if (cmd == "wait") {
            int ms;
            if (args.size() != 1 || !parseInt(args[0], ms) || ms < 0) return bad("expected: wait MS");
            if (ms > kMaxScriptMs - t) return bad("the script would run longer than a day");
            t += ms;
        } else if (cmd == "move" || cmd == "click") {
            int x, y, button = 1;
            bool ok = (args.size() == 2 || (cmd == "click" && args.size() == 3)) && parseInt(args[0], x) &&
                      parseInt(args[1], y) && (args.size() == 2 || parseButton(args[2], button));
            if (!ok) return bad("expected: " + cmd + (cmd == "move" ? " X Y" : " X Y [left|right|middle]"));
            ScriptEvent* e = event(ScriptEvent::Move, t);
            e->x = x;
            e->y = y;
            if (cmd == "click") {
                event(ScriptEvent::Press, t)->button = button;
                t += kTapMs;
                event(ScriptEvent::Release, t)->button = button;
            }
        } else if (cmd == "press" || cmd == "release") {
            int button;
            if (args.size() != 1 || !parseButton(args[0], button)) return bad("expected: " + cmd + " left|right|middle");
            event(cmd == "press" ? ScriptEvent::Press : ScriptEvent::Release, t)->button = button;
        } else if (cmd == "keydown" || cmd == "keyup" || cmd == "key") {
            if (rest.empty()) return bad("expected: " + cmd + " KEYNAME");
            if (cmd == "keyup") {
                event(ScriptEvent::KeyUp, t)->text = rest;
            } else {
                event(ScriptEvent::KeyDown, t)->text = rest;
                if (cmd == "key") {
                    t += kTapMs;
                    event(ScriptEvent::KeyUp, t)->text = rest;
                }
            }
        } else if (cmd == "type") {
            if (rest.empty()) return bad("expected: type TEXT");
            event(ScriptEvent::Type, t)->text = rest;
        } else if (cmd == "shot") {
            if (args.size() != 1 || args[0].find('/') != std::string::npos || args[0].find("..") != std::string::npos)
                return bad("expected: shot FILE (a plain file name)");
            event(ScriptEvent::Shot, t)->text = args[0];
        } else if (cmd == "waitfile") {
            if (rest.empty()) return bad("expected: waitfile PATH");
            event(ScriptEvent::WaitFile, t)->text = rest;
        } else if (cmd == "waitfor") {
            std::string text;
            int limit = kDefaultWaitForMs;
            if (!parseAwaited(rest, text, limit))
                return bad("expected: waitfor TEXT [MS] (or waitfor \"TEXT\" [MS])");
            if (limit > kMaxScriptMs) return bad("the wait would run longer than a day");
            ScriptEvent* e = event(ScriptEvent::WaitText, t);
            e->text = text;
            e->limit = limit;
        } else if (cmd == "repeat") {
            // repeat until TEXT [MS]: the same text and limit rules as waitfor.
            std::string text;
            int limit = kDefaultWaitForMs * 30;
            if (args.empty() || args[0] != "until" || !parseAwaited(trim(rest.substr(5)), text, limit))
                return bad("expected: repeat until TEXT [MS] (or repeat until \"TEXT\" [MS])");
            if (openRepeat >= 0) return bad("a repeat block cannot hold another");
            if (limit > kMaxScriptMs) return bad("the block would run longer than a day");
            ScriptEvent* e = event(ScriptEvent::RepeatStart, t);
            e->text = text;
            e->limit = limit;
            openRepeat = int(events_.size()) - 1;
        } else if (cmd == "end") {
            if (!args.empty()) return bad("expected: end");
            if (openRepeat < 0) return bad("end without repeat");
            if (int(events_.size()) - 1 == openRepeat) return bad("an empty repeat block");
            // A block that takes no time would play over and over in one frame.
            if (t == events_[size_t(openRepeat)].time) return bad("a repeat block must take time (a wait, key or click)");
            event(ScriptEvent::RepeatEnd, t)->partner = openRepeat;
            events_[size_t(openRepeat)].partner = int(events_.size()) - 1;
            openRepeat = -1;
        } else if (cmd == "padplug" || cmd == "padunplug") {
            if (!args.empty()) return bad("expected: " + cmd);
            event(cmd == "padplug" ? ScriptEvent::PadPlug : ScriptEvent::PadUnplug, t);
        } else if (cmd == "pad" || cmd == "paddown" || cmd == "padup") {
            const auto& names = padButtonNames();
            if (args.size() != 1 || std::find(names.begin(), names.end(), args[0]) == names.end())
                return bad("expected: " + cmd + " a|b|x|y|start|back|leftshoulder|rightshoulder|dpup|dpdown|dpleft|dpright");
            event(cmd == "padup" ? ScriptEvent::PadUp : ScriptEvent::PadDown, t)->text = args[0];
            if (cmd == "pad") {
                t += kTapMs;
                event(ScriptEvent::PadUp, t)->text = args[0];
            }
        } else if (cmd == "stick") {
            double x = 0, y = 0;
            auto axis = [](const std::string& w, double& v) {
                char* end = nullptr;
                v = std::strtod(w.c_str(), &end);
                return !w.empty() && end == w.c_str() + w.size() && v >= -1 && v <= 1;
            };
            if (args.size() != 3 || (args[0] != "left" && args[0] != "right") || !axis(args[1], x) || !axis(args[2], y))
                return bad("expected: stick left|right X Y (each from -1 to 1)");
            ScriptEvent* e = event(ScriptEvent::Stick, t);
            e->text = args[0];
            e->x = int(std::lround(x * 1000));
            e->y = int(std::lround(y * 1000));
        } else if (cmd == "close" || cmd == "blur" || cmd == "focus") {
            if (!args.empty()) return bad("expected: " + cmd);
            event(cmd == "close" ? ScriptEvent::Close : cmd == "blur" ? ScriptEvent::Blur : ScriptEvent::Focus, t);
        } else {
            return bad("unknown command '" + cmd + "'");
        }
    }
    if (openRepeat >= 0) {
        error = "input script line " + std::to_string(events_[size_t(openRepeat)].line) + ": repeat without end";
        return false;
    }
    return true;
}

bool InputScript::load(const std::string& path, std::string& error) {
    auto bytes = readFileBytes(path);
    if (!bytes) {
        error = "cannot read input script " + path;
        return false;
    }
    return parse(std::string(bytes->begin(), bytes->end()), error);
}

void InputScript::checkRepeat(int now) {
    if (repeat_ < 0 || next_ >= events_.size()) return;
    // Never between a key's press and its release.
    const ScriptEvent& upcoming = events_[next_];
    if (upcoming.kind != ScriptEvent::RepeatEnd && upcoming.line == deliveredLine_) return;
    const ScriptEvent& start = events_[size_t(repeat_)];
    if (repeatDone_) {
        const ScriptEvent& end = events_[size_t(start.partner)];
        next_ = size_t(start.partner) + 1;
        origin_ = now - end.time;
        deliveredLine_ = end.line;
        heard_.clear();
        repeat_ = -1;
    } else if (now - repeatBegan_ >= start.limit) {
        failure_ = "input script line " + std::to_string(start.line) + " (repeat until): \"" + start.text +
                   "\" was not printed within " + std::to_string(start.limit) + " ms";
    }
}

const ScriptEvent* InputScript::nextDue(int now) {
    if (!failure_.empty()) return nullptr;
    checkRepeat(now);
    while (failure_.empty() && next_ < events_.size() && now - origin_ >= events_[next_].time) {
        const ScriptEvent& e = events_[next_];
        if (e.kind == ScriptEvent::RepeatStart) {
            repeat_ = int(next_);
            repeatBegan_ = now;
            repeatDone_ = false;
            deliveredLine_ = e.line;
            heard_.clear();
            ++next_;
        } else if (e.kind == ScriptEvent::RepeatEnd) {
            if (repeatDone_) {
                checkRepeat(now);
                continue;
            }
            // Round again, the block's times counted from now.
            const ScriptEvent& start = events_[size_t(e.partner)];
            next_ = size_t(e.partner) + 1;
            origin_ = now - start.time;
            deliveredLine_ = e.line;
            checkRepeat(now);
            if (failure_.empty() && next_ < events_.size()) continue;
            return nullptr;
        } else if (e.kind == ScriptEvent::WaitFile) {
            if (FileType(e.text) == 0) return nullptr;
            origin_ = now - e.time;
            advance();
        } else if (e.kind == ScriptEvent::WaitText) {
            auto seen = std::find_if(heard_.begin(), heard_.end(),
                                     [&](const std::string& line) { return shows(line, e.text); });
            if (seen == heard_.end()) {
                if (now - origin_ - e.time >= e.limit)
                    failure_ = "input script line " + std::to_string(e.line) + " (waitfor): \"" + e.text +
                               "\" was not printed within " + std::to_string(e.limit) + " ms";
                return nullptr;
            }
            // Lines after the one awaited still count for a `waitfor` next.
            heard_.erase(heard_.begin(), seen + 1);
            origin_ = now - e.time;
            deliveredLine_ = e.line;
            ++next_;
        } else {
            advance();
            return &e;
        }
        checkRepeat(now);
    }
    return nullptr;
}

void InputScript::advance() {
    // The lines a `key` or `click` makes hold one another's events: what the
    // game prints between its press and release still answers a `waitfor`.
    if (events_[next_].line != deliveredLine_) heard_.clear();
    deliveredLine_ = events_[next_].line;
    ++next_;
}

void InputScript::heard(const std::string& line) {
    if (finished()) return;
    if (repeat_ >= 0 && shows(line, events_[size_t(repeat_)].text)) repeatDone_ = true;
    // A game that prints without end while the script waits must not grow it.
    constexpr size_t kMaxHeard = 1000;
    if (heard_.size() >= kMaxHeard) heard_.erase(heard_.begin());
    heard_.push_back(line);
}

bool InputScript::shows(const std::string& line, const std::string& text) {
    if (text.empty()) return false;
    for (size_t at = line.find(text); at != std::string::npos; at = line.find(text, at + 1)) {
        const size_t end = at + text.size();
        if (end == line.size() || !std::isalnum(static_cast<unsigned char>(line[end])) ||
            !std::isalnum(static_cast<unsigned char>(text.back())))
            return true;
    }
    return false;
}

}  // namespace media
