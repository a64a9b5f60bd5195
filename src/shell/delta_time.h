#pragma once
// Frame timing: animations move by step x `delta`, so they run at the same
// speed whatever the frame rate (delta is 1 at 60 frames a second).
#include <memory>
#include <vector>

class TDeltaTime {
public:
    int OldTime = 0;
    int ElapsedTime = 0;
    float dFps = 0;
    float dDelta = 0;
    int CurrFps = 0;
    int FPSCounter = 0;
    int CurrTime = 0;
    int CheckTime = 0;

    TDeltaTime();
    virtual ~TDeltaTime();
    TDeltaTime(const TDeltaTime&) = delete;
    TDeltaTime& operator=(const TDeltaTime&) = delete;

    static std::unique_ptr<TDeltaTime> Create(float fps);
    // Leaves the list of all instances.
    virtual void Destroy();
    virtual void Update();
    virtual int FPS();
    virtual float CurrDelta();
    virtual void SetFPS(float fps);

    // Every live instance, in creation order.
    static const std::vector<TDeltaTime*>& instances();

private:
    bool listed_ = false;
};

// A stopwatch: ticks() is the time since the last reset.
class ATimer {
public:
    int time = 0;
    int _ticks = 0;

    ATimer();
    void reset();
    int ticks();
};

// The frame factor of the current frame, set by every frameTick.
extern float delta;
