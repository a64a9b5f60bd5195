#include "shell/media/input_script.h"

#include <charconv>
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

}  // namespace

bool InputScript::parse(const std::string& source, std::string& error) {
    events_.clear();
    next_ = 0;
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
        } else if (cmd == "close" || cmd == "blur" || cmd == "focus") {
            if (!args.empty()) return bad("expected: " + cmd);
            event(cmd == "close" ? ScriptEvent::Close : cmd == "blur" ? ScriptEvent::Blur : ScriptEvent::Focus, t);
        } else {
            return bad("unknown command '" + cmd + "'");
        }
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

const ScriptEvent* InputScript::nextDue(int now) {
    while (next_ < events_.size() && now - origin_ >= events_[next_].time) {
        const ScriptEvent& e = events_[next_];
        if (e.kind != ScriptEvent::WaitFile) return &events_[next_++];
        if (FileType(e.text) == 0) return nullptr;
        origin_ = now - e.time;
        ++next_;
    }
    return nullptr;
}

}  // namespace media
