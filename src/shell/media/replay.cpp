#include "shell/media/replay.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <memory>
#include <sstream>

#include "shell/media/backend.h"
#include "shell/media/files.h"
#include "shell/media/graphics.h"
#include "shell/media/input.h"
#include "shell/media/messages.h"

namespace media {

namespace {

constexpr const char* kHeader = "vornell-replay 1";

int clampToInt(long long v) { return int(std::clamp<long long>(v, -0x7FFFFFFFLL, 0x7FFFFFFFLL)); }

bool parseInt(const std::string& word, int& out) {
    if (word.empty()) return false;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), out);
    return ec == std::errc() && end == word.data() + word.size();
}

// A screenshot's name from a recording: a plain file name, never a path.
bool plainFileName(const std::string& name) {
    return !name.empty() && name.find('/') == std::string::npos && name.find('\\') == std::string::npos &&
           name.find("..") == std::string::npos;
}

// How many numbers follow each event kind.
int eventArgs(char kind) {
    switch (kind) {
        case 'k': case 'u': case 'c': case 'd': case 'r': case 'w': return 1;
        case 'm': case 'b': case 'l': case 'j': return 2;
        case 'f': case 'q': case 's': case 'h': return 0;
        default: return -1;
    }
}

bool parseLine(const std::string& line, Recording& rec, ReplayFrame& frame, bool& frameEnds) {
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string word; in >> word;) w.push_back(word);
    if (w.empty()) return true;
    if (w[0] == "f" && w.size() == 1) {
        frameEnds = true;
        return true;
    }
    if (w[0] == "s" && w.size() == 2) {
        int seed;
        if (!parseInt(w[1], seed)) return false;
        rec.seeds.push_back(seed);
        return true;
    }
    if (w[0] == "c" && w.size() == 3) {
        ReplayFrame::Run run;
        if (!parseInt(w[1], run.delta) || !parseInt(w[2], run.count) || run.count < 1) return false;
        frame.clock.push_back(run);
        return true;
    }
    if (w[0] == "e" && w.size() >= 3 && w[2].size() == 1) {
        ReplayEvent e;
        e.kind = w[2][0];
        const int args = eventArgs(e.kind);
        if (!parseInt(w[1], e.poll) || e.poll < 0 || args < 0) return false;
        if (e.kind == 's') {
            if (w.size() != 4 || !plainFileName(w[3])) return false;
            e.name = w[3];
        } else if (w.size() != size_t(3 + args) || (args > 0 && !parseInt(w[3], e.a)) ||
                   (args > 1 && !parseInt(w[4], e.b))) {
            return false;
        }
        // Polls come in order within a frame.
        if (!frame.events.empty() && e.poll < frame.events.back().poll) return false;
        frame.events.push_back(std::move(e));
        return true;
    }
    return false;
}

}  // namespace

bool parseRecording(const std::string& text, Recording& out, std::string& error) {
    out = Recording{};
    std::istringstream lines(text);
    std::string line;
    if (!std::getline(lines, line) || line.substr(0, line.find_last_not_of("\r") + 1) != kHeader) {
        error = "not a recording of this game";
        return false;
    }
    ReplayFrame frame;
    int lineNo = 1;
    while (std::getline(lines, line)) {
        ++lineNo;
        bool frameEnds = false;
        if (!parseLine(line, out, frame, frameEnds)) {
            error = "the recording is damaged at line " + std::to_string(lineNo) + "; it is played up to there";
            break;
        }
        if (frameEnds) {
            out.frames.push_back(std::move(frame));
            frame = ReplayFrame{};
        }
    }
    // A recording cut short (the game was killed) keeps its last frame.
    if (!frame.clock.empty() || !frame.events.empty()) out.frames.push_back(std::move(frame));
    return true;
}

// ---- Writing -------------------------------------------------------------------

bool ReplayWriter::open(const std::string& path) {
    close();
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) return false;
    std::fprintf(file_, "%s\n", kHeader);
    last_ = 0;
    run_ = {};
    return true;
}

void ReplayWriter::seed(int value) {
    if (file_) std::fprintf(file_, "s %d\n", value);
}

void ReplayWriter::clock(int value) {
    if (!file_) return;
    const int delta = clampToInt((long long)value - last_);
    last_ = value;
    if (run_.count > 0 && run_.delta == delta) {
        ++run_.count;
        return;
    }
    flushRun();
    run_ = {delta, 1};
}

void ReplayWriter::flushRun() {
    if (file_ && run_.count > 0) std::fprintf(file_, "c %d %d\n", run_.delta, run_.count);
    run_ = {};
}

void ReplayWriter::event(const ReplayEvent& e) {
    if (!file_) return;
    flushRun();
    std::fprintf(file_, "e %d %c", e.poll, e.kind);
    const int args = eventArgs(e.kind);
    if (e.kind == 's') std::fprintf(file_, " %s", e.name.c_str());
    if (args > 0) std::fprintf(file_, " %d", e.a);
    if (args > 1) std::fprintf(file_, " %d", e.b);
    std::fputc('\n', file_);
}

void ReplayWriter::frameEnd() {
    if (!file_) return;
    flushRun();
    std::fputs("f\n", file_);
    // A game that dies keeps its recording up to its last frame.
    std::fflush(file_);
}

void ReplayWriter::close() {
    if (!file_) return;
    flushRun();
    std::fclose(file_);
    file_ = nullptr;
}

// ---- Reading -------------------------------------------------------------------

int ReplayReader::clock() {
    if (finished()) return last_;
    const ReplayFrame& f = rec_.frames[frame_];
    while (run_ < f.clock.size() && inRun_ >= f.clock[run_].count) {
        ++run_;
        inRun_ = 0;
    }
    if (run_ < f.clock.size()) {
        last_ = clampToInt((long long)last_ + f.clock[run_].delta);
        ++inRun_;
    } else if (++surplus_ > kPatience) {
        last_ = clampToInt((long long)last_ + 1);
    }
    return last_;
}

void ReplayReader::nextFrame() {
    const ReplayFrame& f = rec_.frames[frame_];
    for (; run_ < f.clock.size(); ++run_, inRun_ = 0)
        last_ = clampToInt(last_ + (long long)f.clock[run_].delta * (f.clock[run_].count - inRun_));
    ++frame_;
    run_ = event_ = 0;
    inRun_ = polls_ = surplus_ = 0;
}

bool ReplayReader::seed(int& out) {
    if (seed_ >= rec_.seeds.size()) return false;
    out = rec_.seeds[seed_++];
    return true;
}

// ---- The session ---------------------------------------------------------------

namespace {

struct Session {
    ReplayWriter writer;
    int writerPolls = 0;
    std::unique_ptr<ReplayReader> reader;
    bool announcedEnd = false;
    int offset = 0;  // after the recording: live clock + offset

    Session() {
        if (const char* path = std::getenv("VORNELL_REPLAY"); path && *path) {
            Recording rec;
            std::string error;
            const auto bytes = readFileBytes(path);
            if (!bytes) Print(std::string("replay: cannot read ") + path);
            else if (!parseRecording(std::string(bytes->begin(), bytes->end()), rec, error))
                Print(std::string("replay: ") + path + ": " + error);
            else {
                if (!error.empty()) Print("replay: " + error);
                reader = std::make_unique<ReplayReader>(std::move(rec));
            }
        }
        if (const char* path = std::getenv("VORNELL_RECORD"); path && *path)
            if (!writer.open(path)) Print(std::string("record: cannot write ") + path);
    }
};

Session& session() {
    static Session s;
    return s;
}

void deliver(const ReplayEvent& e) {
    switch (e.kind) {
        case 'k': inputKeyDown(e.a); break;
        case 'u': inputKeyUp(e.a); break;
        case 'c': inputChar(e.a); break;
        case 'm':
            inputMouseMove(std::clamp(e.a, 0, std::max(GraphicsWidth(), 1) - 1),
                           std::clamp(e.b, 0, std::max(GraphicsHeight(), 1) - 1));
            break;
        case 'd': inputMouseDown(e.a); break;
        case 'r': inputMouseUp(e.a); break;
        case 'w': inputWheel(e.a); break;
        case 'f': inputFocusLost(); break;
        case 'b':
            if (e.a >= 0 && e.a <= int(PadButton::Right)) inputPadButton(PadButton(e.a), e.b != 0);
            break;
        case 'l': inputPadLeftStick(float(e.a) / 1000, float(e.b) / 1000); break;
        case 'j': inputPadRightStick(float(e.a) / 1000, float(e.b) / 1000); break;
        case 'h': inputPadUnplugged(); break;
        case 'q': inputCloseRequest(); break;
        case 's': backend::requestShot(e.name); break;
        default: break;
    }
}

}  // namespace

namespace replay {

int clockReading(int live) {
    Session& s = session();
    int value = live;
    if (s.reader) {
        if (!s.reader->finished()) {
            value = s.reader->clock();
        } else {
            if (!s.announcedEnd) {
                s.announcedEnd = true;
                s.offset = clampToInt((long long)s.reader->lastReading() - live);
                Print("replay: the recording ends here");
            }
            value = clampToInt((long long)live + s.offset);
        }
    }
    s.writer.clock(value);
    return value;
}

int seed(int requested) {
    Session& s = session();
    int value = requested;
    if (s.reader) s.reader->seed(value);
    s.writer.seed(value);
    return value;
}

void event(char kind, int a, int b, const std::string& name) {
    Session& s = session();
    if (!s.writer.isOpen()) return;
    ReplayEvent e;
    e.kind = kind;
    e.poll = s.writerPolls;
    e.a = a;
    e.b = b;
    e.name = name;
    s.writer.event(e);
}

bool poll() {
    Session& s = session();
    ++s.writerPolls;
    if (!s.reader || s.reader->finished()) return false;
    s.reader->poll(deliver);
    return true;
}

void frameEnd() {
    Session& s = session();
    if (s.reader) s.reader->frameEnd(deliver);
    s.writer.frameEnd();
    s.writerPolls = 0;
}

bool replaying() {
    Session& s = session();
    return s.reader && !s.reader->finished();
}

}  // namespace replay

}  // namespace media
