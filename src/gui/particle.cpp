#include "gui/particle.h"

#include "shell/delta_time.h"
#include "shell/media/media.h"

TParticleList particles;
std::array<TImagePtr, kParticleSlots> particleImages;
std::array<TImagePtr, 4> diamondImages;

void TParticle::_draw() {
    SetBlend(blend);
    SetColor(rgb.r, rgb.g, rgb.b);
    SetScale(s, s);
    SetAlpha(a);
    SetRotation(rot);
    if (n >= 0 && n < kParticleSlots) DrawImage(particleImages[size_t(n)], x, y);
    SetRotation(0);
}

void TParticle::draw() {
    if (startTime == 0) _draw();
}

int TParticle::_update() {
    approach(a, da, aSpeed * delta);
    approach(s, ds, sSpeed * delta);
    if (rSpeed != 0) {
        rot += rSpeed * delta;
        if (rot > 360) rot -= 360;
    }
    x += ax * delta;
    y += ay * delta;
    if (typ == 1 && a == 1 && da == 1) da = 0;
    if (MilliSecs() > lifeTime || updateMe()) return 1;
    return 0;
}

int TParticle::update() {
    if (startTime != 0) {
        // Waiting for its start: its life counts from then.
        if (MilliSecs() > startTime) {
            startTime = 0;
            lifeTime = MilliSecs() + time;
        }
        return 0;
    }
    return _update();
}

int TParticle::updateMe() const { return (a == 0 && da == 0) || (s == 0 && ds == 0) ? 1 : 0; }

void TTextParticle::draw() {
    SetImageFont(font);
    SetScale(1, 1);
    SetAlpha(a);
    const int X = int(x - float(TextWidth(text) / 2));
    const int Y = int(y - float(TextHeight(text) / 2));
    SetColor(outRgb.r, outRgb.g, outRgb.b);
    DrawText(text, float(X - 1), float(Y - 1));
    DrawText(text, float(X + 1), float(Y - 1));
    DrawText(text, float(X - 1), float(Y + 1));
    DrawText(text, float(X + 1), float(Y + 1));
    SetColor(rgb.r, rgb.g, rgb.b);
    DrawText(text, float(X), float(Y));
    SetAlpha(1);
}

int TTextParticle::update() {
    approach(a, da, aSpeed * delta);
    x += ax * delta;
    y += ay * delta;
    return a == 0 && da == 0 ? 1 : 0;
}

TParticle* TParticleList::add() {
    std::unique_ptr<TParticle> p;
    if (!spare_.empty()) {
        p = std::move(spare_.back());
        spare_.pop_back();
        *p = TParticle();
    } else {
        p = std::make_unique<TParticle>();
    }
    live_.push_back(std::move(p));
    return live_.back().get();
}

TTextParticle* TParticleList::addText() {
    auto p = std::make_unique<TTextParticle>();
    TTextParticle* raw = p.get();
    live_.push_back(std::move(p));
    return raw;
}

void TParticleList::recycle(std::unique_ptr<TParticle> p) {
    // Only plain records are reused; text particles are rare.
    if (!p->isText()) spare_.push_back(std::move(p));
}

void TParticleList::clear() {
    for (auto& p : live_) recycle(std::move(p));
    live_.clear();
}

void TParticleList::update() {
    size_t kept = 0;
    // Index loop: an update never adds to the list it is in.
    for (size_t i = 0; i < live_.size(); ++i) {
        if (live_[i]->update() == 1) {
            recycle(std::move(live_[i]));
        } else {
            if (kept != i) live_[kept] = std::move(live_[i]);
            ++kept;
        }
    }
    live_.resize(kept);
}

void TParticleList::draw() {
    for (auto& p : live_) p->draw();
    SetBlend(ALPHABLEND);
    SetColor(255, 255, 255);
    SetScale(1, 1);
    SetAlpha(1);
}

void loadParticleImages() {
    const std::pair<int, const char*> files[] = {
        {0, "gfx/particles/particle0.png"},       {1, "gfx/particles/particle1.png"},
        {2, "gfx/particles/particle2.png"},       {3, "gfx/particles/pusty1.png"},
        {4, "gfx/particles/pusty2.png"},          {5, "gfx/particles/pusty3.png"},
        {6, "gfx/gui/shooting/shot.png"},         {7, "gfx/particles/star.png"},
        {8, "gfx/particles/3.png"},               {9, "gfx/particles/smallCloud.png"},
        {30, "gfx/gui/map/chmury/chmura1.png"},   {31, "gfx/gui/map/chmury/chmura2.png"},
        {32, "gfx/gui/map/chmury/chmura3.png"},   {40, "gfx/particles/cleanup.png"},
    };
    for (const auto& [slot, file] : files) {
        particleImages[size_t(slot)] = LoadImage(file, FILTEREDIMAGE | MIPMAPPEDIMAGE);
        MidHandleImage(particleImages[size_t(slot)]);
    }
    for (int i = 0; i < 4; ++i) {
        diamondImages[size_t(i)] =
            LoadImage("gfx/particles/d" + std::to_string(i + 1) + ".png", FILTEREDIMAGE | MIPMAPPEDIMAGE);
        MidHandleImage(diamondImages[size_t(i)]);
    }
}

TParticle* createParticle(int n, float x, float y, int life, float ax, float ay, float a, float da, float s,
                          float ds, float aSpeed, float sSpeed, const TRGB* rgb) {
    TParticle* p = particles.add();
    p->n = n;
    p->x = x;
    p->y = y;
    p->lifeTime = MilliSecs() + life;
    p->time = life;
    p->ax = ax;
    p->ay = ay;
    p->a = a;
    p->da = da;
    p->s = s;
    p->ds = ds;
    p->aSpeed = aSpeed;
    p->sSpeed = sSpeed;
    p->rgb = rgb ? *rgb : TRGB{};
    return p;
}

TTextParticle* createTextParticle(const std::string& text, float x, float y, float ax, float ay, float a, float da,
                                  float aSpeed, const TImageFontPtr& font, TRGB outRgb, TRGB rgb) {
    TTextParticle* p = particles.addText();
    p->text = text;
    p->x = x;
    p->y = y;
    p->ax = ax;
    p->ay = ay;
    p->a = a;
    p->da = da;
    p->aSpeed = aSpeed;
    p->font = font;
    p->outRgb = outRgb;
    p->rgb = rgb;
    return p;
}

TParticle* createCloudParticle(int x, int y) {
    const int n = Rand(30, 32);
    const float ds = Rnd(0.4f, 1.0f);
    const float sSpeed = Rnd(0.001f, 0.004f);
    const int v = Rand(100, 200);
    const TRGB grey{v, v, v};
    TParticle* p = createParticle(n, float(x), float(y), 100000, 0, 0, 0, 1, 0.4f, ds, 0.04f, sSpeed, &grey);
    p->typ = 1;
    p->blend = ALPHABLEND;
    return p;
}

TParticle* createSmokeParticle(int x, int y) {
    const float s = Rnd(0.6f, 1.0f);
    const int v = Rand(210, 255);
    const TRGB grey{v, v, v};
    TParticle* p = createParticle(1, float(x), float(y - 50), 100000, 0, s * 0.5f, 1, 0, s, s, 0.04f, 0.02f, &grey);
    p->blend = LIGHTBLEND;
    return p;
}

void createLogoParticle(int x, int y, TRGB rgb, TParticleList& list) {
    TParticle* p = list.add();
    p->n = 8;
    p->x = float(x);
    p->y = float(y);
    p->lifeTime = MilliSecs() + 10000;
    p->time = 10000;
    p->a = 0.7f;
    p->da = 0;
    p->aSpeed = 0.04f;
    p->s = p->ds = 1;
    p->rgb = rgb;
    p->blend = LIGHTBLEND;
}

void clearParticles() { particles.clear(); }

void updateParticles(TParticleList* list) { (list ? *list : particles).update(); }

void drawParticles(TParticleList* list) { (list ? *list : particles).draw(); }
