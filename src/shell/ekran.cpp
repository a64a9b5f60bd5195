#include "shell/ekran.h"

#include <cctype>

#include "shell/game_objects.h"
#include "shell/media/media.h"
#include "shell/start.h"

void announceScreen(const std::string& name, bool opening) {
    std::string word;
    for (const char c : name)
        if (std::isalnum(static_cast<unsigned char>(c))) word += char(std::tolower(static_cast<unsigned char>(c)));
    Print(std::string("SCREEN : ") + (opening ? "open " : "close ") + word);
}

int TEkran::setup() {
    setupObject();
    objects().loadingScreen.addField(_myName);
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
    TMouse& mouse = objects().mouse;
    Cls();
    frameTick();
    mouse.update();
    update();
    draw();
    mouse.draw();
    Flip(-1);
}
