#include "shell/media/clock.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "shell/media/replay.h"

namespace {

struct Clock {
    bool isVirtual;
    int64_t virtualNow = 0;
    std::chrono::steady_clock::time_point origin = std::chrono::steady_clock::now();

    Clock() {
        const char* kind = std::getenv("VORNELL_CLOCK");
        isVirtual = kind && std::strcmp(kind, "virtual") == 0;
        // The virtual clock starts where a fresh machine's would be: not at 0,
        // so "0 means never" timers in game code behave as in real runs.
        virtualNow = 1000;
    }
};

Clock& theClock() {
    static Clock clock;
    return clock;
}

}  // namespace

int MilliSecs() { return media::replay::clockReading(media::harnessClock()); }

void Delay(int ms) {
    if (ms <= 0) return;
    Clock& c = theClock();
    if (c.isVirtual) {
        c.virtualNow += ms;
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

namespace media {

int harnessClock() {
    Clock& c = theClock();
    if (c.isVirtual) return int(c.virtualNow);
    auto elapsed = std::chrono::steady_clock::now() - c.origin;
    return int(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()) + 1000;
}

bool clockIsVirtual() { return theClock().isVirtual; }

void resetClock(bool isVirtual, int start) {
    Clock& c = theClock();
    c.isVirtual = isVirtual;
    c.virtualNow = start;
    c.origin = std::chrono::steady_clock::now() - std::chrono::milliseconds(start - 1000);
}

}  // namespace media
