#include "shell/delta_time.h"

#include <algorithm>

#include "shell/media/clock.h"

float delta = 1.0f;

namespace {
std::vector<TDeltaTime*>& registry() {
    static std::vector<TDeltaTime*> all;
    return all;
}
}  // namespace

TDeltaTime::TDeltaTime() {
    registry().push_back(this);
    listed_ = true;
}

TDeltaTime::~TDeltaTime() { Destroy(); }

void TDeltaTime::Destroy() {
    if (!listed_) return;
    auto& all = registry();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
    listed_ = false;
}

void TDeltaTime::Update() {
    CurrTime = MilliSecs();
    ElapsedTime = CurrTime - OldTime;
    OldTime = CurrTime;
    if (CurrTime > CheckTime) {
        CheckTime = CurrTime + 1000;
        CurrFps = FPSCounter;
        FPSCounter = 0;
    } else {
        FPSCounter += 1;
    }
}

std::unique_ptr<TDeltaTime> TDeltaTime::Create(float fps) {
    auto timing = std::make_unique<TDeltaTime>();
    timing->SetFPS(fps);
    return timing;
}

int TDeltaTime::FPS() { return CurrFps; }

// Not smoothed and not clamped: a long frame gives a large factor.
float TDeltaTime::CurrDelta() { return dDelta > 0 ? float(ElapsedTime) / dDelta : 0.0f; }

void TDeltaTime::SetFPS(float fps) {
    dFps = fps;
    dDelta = fps > 0 ? 1000.0f / fps : 0.0f;
}

const std::vector<TDeltaTime*>& TDeltaTime::instances() { return registry(); }

ATimer::ATimer() { reset(); }

void ATimer::reset() {
    time = MilliSecs();
    _ticks = 0;
}

int ATimer::ticks() {
    _ticks = MilliSecs() - time;
    return _ticks;
}
