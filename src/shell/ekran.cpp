#include "shell/ekran.h"

#include <cctype>

#include "shell/frame_tick.h"
#include "shell/media/media.h"

namespace {

TScreenHost* host = nullptr;

}  // namespace

void setScreenHost(TScreenHost* h) { host = h; }

void announceScreen(const std::string& name, bool opening) {
    std::string word;
    for (const char c : name)
        if (std::isalnum(static_cast<unsigned char>(c))) word += char(std::tolower(static_cast<unsigned char>(c)));
    Print(std::string("SCREEN : ") + (opening ? "open " : "close ") + word);
}

int TEkran::setup() {
    setupObject();
    if (host) host->screenSetUp(_myName);
    return 0;
}

void TEkran::pauseTimers() {
    if (pauses_++ == 0) pausedAt_ = MilliSecs();
}

void TEkran::resumeTimers() {
    if (pauses_ == 0 || --pauses_ > 0) return;
    holdTimers(MilliSecs() - pausedAt_);
}

int TEkran::playClock() const { return pauses_ > 0 ? pausedAt_ : MilliSecs(); }

void TEkran::runFrame() {
    Cls();
    frameTick();
    if (host) host->pointerUpdate();
    update();
    draw();
    if (host) host->pointerDraw();
    Flip(-1);
}
