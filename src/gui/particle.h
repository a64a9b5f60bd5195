#pragma once
// Particles: small sprites (or lines of outlined text) that move, fade and
// grow for a while and then disappear. Most screens update and draw the one
// global list every frame; a screen may keep a private list of its own.
//
// Lists reuse the records of dead image particles, so once a list has held as
// many particles as an effect needs, creating and removing them allocates
// nothing.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "gui/dim.h"
#include "shell/media/font.h"
#include "shell/media/image.h"

class TParticle {
public:
    TRGB rgb;
    int blend = 4;  // light blending unless the creator changes it
    int n = 0;      // picture slot in particleImages
    float x = 0, y = 0;
    float ax = 0, ay = 0;  // velocity per frame unit
    // 1: once faded in to alpha 1 it starts fading out.
    int typ = 0;
    int lifeTime = 0;   // clock time after which it dies
    int startTime = 0;  // 0 while running; else the clock time it starts at
    int time = 0;       // life length, for a delayed start
    float a = 0, da = 0, aSpeed = 0.02f;
    float s = 0, ds = 0, sSpeed = 0.02f;
    float rot = 0, rSpeed = 0;

    TParticle() = default;
    virtual ~TParticle() = default;

    void _draw();
    virtual void draw();
    // 1 when the particle has died.
    int _update();
    virtual int update();
    // Fully faded out or fully shrunk.
    int updateMe() const;
    virtual bool isText() const { return false; }
};

class TTextParticle : public TParticle {
public:
    TRGB outRgb;
    std::string text;
    TImageFontPtr font;

    void draw() override;
    // Only fades and moves; reports itself dead once fully faded out.
    int update() override;
    bool isText() const override { return true; }
};

// A list of particles in drawing order.
class TParticleList {
public:
    TParticleList() = default;
    TParticleList(const TParticleList&) = delete;
    TParticleList& operator=(const TParticleList&) = delete;

    // A fresh image particle appended at the end (a reused record when one
    // is spare). Valid until the particle dies or the list is cleared.
    TParticle* add();
    TTextParticle* addText();
    void clear();
    // Updates every particle in order and drops the dead in the same pass.
    void update();
    void draw();

    size_t size() const { return live_.size(); }
    bool empty() const { return live_.empty(); }
    TParticle& operator[](size_t i) { return *live_[i]; }

private:
    void recycle(std::unique_ptr<TParticle> p);

    std::vector<std::unique_ptr<TParticle>> live_;
    std::vector<std::unique_ptr<TParticle>> spare_;
};

// The global list; text particles always go here.
extern TParticleList particles;

constexpr int kParticleSlots = 50;
// Pictures by slot; empty slots draw nothing.
extern std::array<TImagePtr, kParticleSlots> particleImages;
// The four pictures of the flying diamonds.
extern std::array<TImagePtr, 4> diamondImages;
// Fills both tables (filtered and mipmapped, centre handles). Once at start-up.
void loadParticleImages();

// rgb none means white.
TParticle* createParticle(int n, float x, float y, int life, float ax, float ay, float a, float da, float s,
                          float ds, float aSpeed, float sSpeed, const TRGB* rgb = nullptr);
TTextParticle* createTextParticle(const std::string& text, float x, float y, float ax, float ay, float a, float da,
                                  float aSpeed, const TImageFontPtr& font, TRGB outRgb, TRGB rgb);
// A quest-map cloud.
TParticle* createCloudParticle(int x, int y);
// A quest-map falling flake.
TParticle* createSmokeParticle(int x, int y);
// A sparkle of the menu logo, into a private list.
void createLogoParticle(int x, int y, TRGB rgb, TParticleList& list);
void clearParticles();
// None means the global list.
void updateParticles(TParticleList* list = nullptr);
void drawParticles(TParticleList* list = nullptr);
