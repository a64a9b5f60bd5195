#include "minigames/shooting.h"

#include <algorithm>

#include "app/game_objects.h"
#include "datafiles/strings.h"
#include "gui/caption.h"
#include "gui/gui_object.h"
#include "gui/keyboard_focus.h"
#include "gui/particle.h"
#include "menus/in_game_menu.h"
#include "minigames/mini_game_results.h"
#include "shell/assets.h"
#include "shell/delta_time.h"
#include "shell/frame_tick.h"
#include "shell/media/media.h"

namespace {

const TRGB kWhite = createRGB(255, 255, 255);
const TRGB kPlum = createRGB(200, 0, 200);
const TRGB kBlack = createRGB(0, 0, 0);

// The direction keys: the arrows and W A S D (the pad's d-pad and left
// stick arrive as the arrows).
constexpr int kLeftKeys[2] = {KEY_LEFT, KEY_A}, kRightKeys[2] = {KEY_RIGHT, KEY_D};
constexpr int kUpKeys[2] = {KEY_UP, KEY_W}, kDownKeys[2] = {KEY_DOWN, KEY_S};

// Whether one of the keys is down or was pressed since the last frame (a
// tap between two frames still counts); takes the keys' hits.
bool heldOrHit(const int (&keys)[2], bool& hit) {
    bool held = false;
    for (int key : keys) {
        if (KeyHit(key)) hit = held = true;
        if (KeyDown(key)) held = true;
    }
    return held;
}

bool fireKeyDown() { return KeyDown(KEY_SPACE) || KeyDown(KEY_ENTER); }

// One of the two sounds of a shot fired by a click.
const char* singleShotSound() { return Rand(1, 2) == 1 ? "desert1" : "desert2"; }

// The accuracy line: hits per shot fired, in whole per cent.
std::string accuracy(int hits, int shots) {
    if (shots <= 0 || hits <= 0) return "0 %";
    return std::to_string(int(100LL * hits / shots)) + " %";
}

}  // namespace

int TShooting::setup() {
    panel = LoadImage("gfx/gui/shooting/panel.png");
    TBottle::loadPictures();
    guns = loadGuns(kGunsFile);
    allBonus = loadBottleBonuses(kBonusFile);
    return 0;
}

void TShooting::readGunNames() {
    const std::vector<TGun> read = loadGuns(kGunsFile);
    for (size_t i = 0; i < std::min(read.size(), guns.size()); ++i) guns[i].name = read[i].name;
}

// ---------------------------------------------------------------- a game

int TShooting::mainLoop(const TLevelPtr& playLevel) {
    if (!playLevel) return 0;
    TMouse& mouse = objects().mouse;
    mouse.setCursor("celownik");
    prepare(playLevel);
    leftForMainMenu = false;
    // Only a focus lost from now on pauses the gallery.
    AppFocusLost();
    const Shown shown(*this);
    do {
        runFrame();
    } while (!react());
    FlushKeys();
    mouse.setCursor("podstawowy");
    return leftForMainMenu ? 0 : 1;
}

void TShooting::prepare(const TLevelPtr& playLevel) {
    level = playLevel;
    cAlpha = 0;
    // The crosshair starts in the middle; the mouse moving takes it along.
    crossX = 400;
    crossY = 300;
    crossMotion = {};
    _prepareSelf();
    _prepareBottles();
    _prepareGun();
    butelek = policzButelki();
    clearParticles();
}

void TShooting::_prepareSelf() {
    GameObjects& o = objects();
    if (TBests* bests = o.profileManager.questBests(level.get())) bests->tried(level->nr);
    o.gate.open();
    goExit = 0;
    img = level->img;
    state = State::Begin;
    fade = dFade = 0;
    counter = 0;
    counterTime = MilliSecs() + 1000;
    trafienia = pudla = wystrzelone = 0;
    listaWynikow.clear();
    o.snd.stopAllMusic();
    o.snd.playMusic("shooting");
}

void TShooting::_prepareBottles() {
    butelki.clear();
    const int balloons = std::clamp(level->lines, 0, kMaxBalloons);
    butelki.reserve(size_t(balloons + balloons / 10));
    for (int i = 1; i <= balloons; ++i) createBottle(i);
    if (!level->bonusy.empty()) {
        for (int j = 1; j <= int(balloons * 0.1); ++j) createBonus(balloons);
    }
}

void TShooting::_prepareGun() {
    gun = nullptr;
    ammo = 0;
    setGun(0);
}

void TShooting::createBottle(int i) {
    TBottle b;
    b.x = float(Rand(60, 740));
    b.y = float(Rand(600 + 120 * i, 600 + 120 * (i + 1)));
    b.speedY = Rnd(2, 2.1f);
    b.n = Rand(0, TBottle::kBalloonColours - 1);
    butelki.push_back(b);
}

void TShooting::createBonus(int m) {
    TBottle b;
    b.x = float(Rand(30, 770));
    b.y = float(Rand(700, 700 + 100 * m));
    b.speedY = 2;
    b.bonus = randomBonus();
    butelki.push_back(b);
}

const TBottleBonus* TShooting::randomBonus() const {
    if (!level || level->bonusy.empty()) return nullptr;
    const int r = Rand(1, int(level->bonusy.size()));
    const TTileDataPtr& kind = level->bonusy[size_t(r - 1)];
    return kind ? getBottleBonus(kind->id - 100) : nullptr;
}

const TBottleBonus* TShooting::getBottleBonus(int id) const {
    for (const TBottleBonus& b : allBonus)
        if (b.id == id) return &b;
    return nullptr;
}

int TShooting::policzButelki() const {
    int n = 0;
    for (const TBottle& b : butelki)
        if (!b.isCrate() && !b.isDown() && !b.removed) ++n;
    return n;
}

bool TShooting::react() {
    GameObjects& o = objects();
    TMouse& mouse = o.mouse;
    if (o.gate.opened() && o.profileManager.profile && o.profileManager.profile->porada(7)) {
        covered = true;
        o.help.mainLoop(7, this);
        covered = false;
    }
    if ((state == State::Begin || state == State::Go) && AppFocusLost()) goMenu();
    _reactKeys();
    if (state == State::Go && gun) {
        if (gun->firesOnClick()) {
            if (mouse.leftPressed) shot();
        } else if (mouse.leftHolded) {
            shot2();
        }
        if (mouse.rightPressed) reload();
    }
    if (state == State::Results && mouse.leftPressed) o.gate.close();
    // The developer's way past a gallery: every balloon gone at once.
    if (KeyHit(KEY_G) && FileType("cheats.txt") == 1) butelki.clear();
    if (o.gate.closed()) goExit = 1;
    return goExit != 0;
}

void TShooting::_reactKeys() {
    // Read every frame, so a press from before the shooting does not fire
    // later.
    const bool fire = KeyHit(KEY_SPACE) + KeyHit(KEY_ENTER) > 0;
    const bool reloadKey = KeyHit(KEY_R) + KeyHit(KEY_PAD_X) > 0;
    const bool menu = KeyHit(KEY_ESCAPE) + KeyHit(KEY_P) + KeyHit(KEY_PAUSE) > 0;
    if (menu && (state == State::Begin || state == State::Go)) {
        goMenu();
        return;
    }
    if (state == State::Results) {
        if (fire) objects().gate.close();
        return;
    }
    if (state != State::Go || !gun) return;
    if (fire || reloadKey) showKeyboardFocus(true);
    if (reloadKey) reload();
    if (gun->firesOnClick()) {
        // An empty slingshot's trigger reloads it.
        if (fire && ammo <= 0) reload();
        else if (fire) shot();
    } else if (fire || fireKeyDown()) {
        shot2();
    }
}

void TShooting::holdTimers(int ms) {
    time = clockAfter(time, ms);
    shotTime = clockAfter(shotTime, ms);
    counterTime = clockAfter(counterTime, ms);
}

void TShooting::goMenu() {
    GameObjects& o = objects();
    o.mouse.setCursor("podstawowy");
    covered = true;
    const int choice = o.inGameMenu.mainLoop(this);
    covered = false;
    if (choice == TInGameMenu::RESTART) {
        // The menu closed the gate; behind it the gallery starts anew.
        while (!o.gate.closed()) {
            Cls();
            frameTick();
            o.gate.update();
            draw();
            Flip(-1);
        }
        prepare(level);
    } else if (choice == TInGameMenu::MAIN_MENU) {
        o.profileManager.saveProfile();
        leftForMainMenu = true;
    }
    o.mouse.clear();
}

// ---------------------------------------------------------------- shooting

int TShooting::sightX() const { return keyboardFocusShown() ? int(crossX) : objects().mouse.x; }

int TShooting::sightY() const { return keyboardFocusShown() ? int(crossY) : objects().mouse.y; }

void TShooting::shot() {
    if (!gun || ammo <= 0) return;
    ++wystrzelone;
    const int pellets = gun->id == TGun::SCATTER ? Rand(5, 10) : 1;
    bool hit = false;
    for (int i = 0; i < pellets; ++i) {
        int px = sightX(), py = sightY();
        if (gun->id == TGun::SCATTER) _spread(px, py);
        if (_shootAt(px, py)) hit = true;
        _markImpact(px, py, 1);
    }
    if (hit) ++trafienia;
    else ++pudla;
    objects().snd.play(singleShotSound());
    _useCartridge();
}

void TShooting::shot2() {
    if (!gun || ammo <= 0 || MilliSecs() <= shotTime) return;
    ++wystrzelone;
    shotTime = MilliSecs() + gun->inter;
    int px = sightX(), py = sightY();
    _spread(px, py);
    // A balloon already hit is not hit again: it pays once.
    if (_shootAt(px, py)) ++trafienia;
    else ++pudla;
    _markImpact(px, py, 2);
    TGlobalSnd& snd = objects().snd;
    switch (gun->id) {
        case TGun::SINGLE: snd.play(singleShotSound()); break;
        case TGun::SCATTER: snd.play("shotgun"); break;
        case TGun::RIFLE: snd.play("rifle"); break;
        default: snd.play("smg"); break;
    }
    _useCartridge();
}

void TShooting::_spread(int& px, int& py) const {
    const float r = gun->celnosc * float(Rand(0, 10));
    const float angle = float(Rand(0, 359));
    px = int(float(px) + Cos(angle) * r);
    py = int(float(py) + Sin(angle) * r);
}

bool TShooting::_shootAt(int px, int py) {
    bool hit = false;
    // By index: a crate's gun may change what is in hand, never the list.
    for (size_t i = 0; i < butelki.size(); ++i) {
        TBottle& b = butelki[i];
        if (b.isDown() || b.removed || !b.checkCollision(px, py)) continue;
        b.destroy(*this);
        if (!b.isCrate()) hit = true;
    }
    _dropRemoved();
    return hit;
}

void TShooting::_markImpact(int px, int py, float size) {
    if (TParticle* p = createParticle(6, float(px), float(py), 20000, 0, 0, 1, 1, size, 0, 0.05f, 0.08f))
        p->blend = MASKBLEND;
}

void TShooting::_useCartridge() {
    --ammo;
    if (ammo <= 0 && gun && gun->id != TGun::SINGLE) setGun(0);
}

void TShooting::reload() {
    if (!gun || gun->id != TGun::SINGLE) return;
    ammo = gun->magazynek;
    objects().snd.play("reload");
}

void TShooting::setGun(int index) {
    if (index < 0 || index >= int(guns.size())) return;
    gun = &guns[size_t(index)];
    ammo = gun->magazynek;
}

void TShooting::_dropRemoved() {
    butelki.erase(std::remove_if(butelki.begin(), butelki.end(), [](const TBottle& b) { return b.removed; }),
                  butelki.end());
}

// ---------------------------------------------------------------- update

int TShooting::update() {
    _updateCrosshair();
    _updateCursor();
    _updateState();
    _updateReload();
    updateParticles();
    _updateFade();
    objects().gate.update();
    return 0;
}

void TShooting::_updateCrosshair() {
    const TMouse& mouse = objects().mouse;
    bool pressed = false;
    const int dx = int(heldOrHit(kRightKeys, pressed)) - int(heldOrHit(kLeftKeys, pressed));
    const int dy = int(heldOrHit(kDownKeys, pressed)) - int(heldOrHit(kUpKeys, pressed));
    const float padX = PadRightX(), padY = PadRightY();
    if (!keyboardFocusShown()) {
        // The mouse aims; the crosshair waits where it last went.
        if (mouse.vx != 0 || mouse.vy != 0) {
            crossX = float(mouse.x);
            crossY = float(mouse.y);
        }
        crossMotion.step(0, 0, 0);
        // A first key only shows the crosshair; held, it moves from the
        // next frame.
        if (pressed || padX != 0 || padY != 0) showKeyboardFocus(true);
        return;
    }
    const float ms = delta * (1000.0f / 60.0f);
    const TCrosshairMove move = crossMotion.step(dx, dy, ms);
    // The right stick moves it at a speed following how far it is pushed.
    crossX = std::clamp(crossX + move.dx + padX * TCrosshairMotion::kTopSpeed * ms, 0.0f, 799.0f);
    crossY = std::clamp(crossY + move.dy + padY * TCrosshairMotion::kTopSpeed * ms, 0.0f, 599.0f);
}

void TShooting::_updateCursor() {
    TMouse& mouse = objects().mouse;
    // While the keys aim, the pointer's picture is the crosshair's (the
    // pointer itself is not drawn then).
    const bool firing = mouse.leftHolded || (keyboardFocusShown() && fireKeyDown());
    mouse.setCursor(firing ? "celownik2" : "celownik");
}

void TShooting::_updateState() {
    GameObjects& o = objects();
    if (state == State::Begin) {
        if (MilliSecs() <= counterTime) return;
        counterTime = MilliSecs() + 1000;
        ++counter;
        const std::string* words[] = {&o.teksty.txtGorujBron, &o.teksty.txtCel, &o.teksty.txtOgnia};
        if (counter >= 1 && counter <= 3) {
            createTextParticle(*words[counter - 1], 400, 300, 0, -0.5f, 1, 0, 0.02f, fonts.font_blueHigh36, kBlack,
                               createRGB(255, 0, 0));
            o.snd.play("blip");
        } else if (counter == 4) {
            state = State::Go;
            Print("SHOOTING : go");
            o.snd.play("go");
        }
    } else if (state == State::Go) {
        _updateBottles();
        if (butelki.empty()) dFade = 0.5f;
        if (fade == 0.5f) {
            state = State::Results;
            _prepareResults();
            Print("SHOOTING : results, " + std::to_string(trafienia) + " hits");
            o.snd.play("brawo");
            // The last shot's click must not close the results.
            o.mouse.clear();
            reload();
        }
    } else if (state == State::Results) {
        _updateResults();
    }
}

void TShooting::_updateBottles() {
    for (TBottle& b : butelki)
        if (b.update() || b.y < -100) b.removed = true;
    _dropRemoved();
}

void TShooting::_updateResults() {
    cAlpha = std::min(cAlpha + 0.01f * delta, 1.0f);
    bool arrived = true;
    for (TResultText& line : listaWynikow)
        if (!line.update()) arrived = false;
    if (!arrived || MilliSecs() <= counterTime || listaWynikow.size() <= size_t(kDiamondsLine)) return;
    // The hits are counted into points and diamonds, one every 25 ms.
    if (countedValue(listaWynikow[kHitsLine]) > 0) {
        countUp(listaWynikow[kHitsLine], -1);
        countUp(listaWynikow[kPointsLine], 10);
        countUp(listaWynikow[kDiamondsLine], 1);
    }
    counterTime = MilliSecs() + 25;
}

void TShooting::_updateReload() {
    if (MilliSecs() <= time) return;
    time = MilliSecs() + 200;
    colourSwitch = 1 - colourSwitch;
}

void TShooting::_updateFade() { approach(fade, dFade, 0.02f * delta); }

void TShooting::_prepareResults() {
    const TTeksty& t = objects().teksty;
    listaWynikow.clear();
    const std::string* labels[] = {&t.txtButelki,     &t.txtTrafienia, &t.txtPudla, &t.txtSkutecznosc,
                                   &t.txtAmunicja,    &t.txtPunkty,    &t.txtKapsle};
    for (int i = 0; i < 7; ++i) listaWynikow.emplace_back(*labels[i], 200.0f, float(100 + 50 * i), 0);
    const std::string values[] = {std::to_string(butelek), std::to_string(trafienia), std::to_string(pudla),
                                  accuracy(trafienia, wystrzelone), std::to_string(wystrzelone), "0", "0"};
    for (int i = 0; i < 7; ++i) listaWynikow.emplace_back(values[i], 600.0f, float(100 + 50 * i), 1);
    newBest = {};
    if (TBests* bests = objects().profileManager.questBests(level.get()))
        newBest = bests->won(level->nr, 10 * trafienia, 0);
    // Paid at once; the counting on screen only shows it.
    if (TProfile* p = objects().profileManager.profile) {
        p->score += 10 * trafienia;
        p->kapsle += trafienia;
    }
    counterTime = MilliSecs() + 100;
}

// ---------------------------------------------------------------- draw

int TShooting::draw() {
    _drawBack();
    _drawBottles();
    _drawAmmo();
    _drawInfo();
    drawParticles();
    // Particles leave their own blend mode behind.
    SetBlend(ALPHABLEND);
    _drawReload();
    _drawFade();
    _drawResults();
    objects().gate.draw();
    _drawCrosshair();
    return 0;
}

void TShooting::_drawBack() {
    SetBlend(ALPHABLEND);
    SetRotation(0);
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetScale(1, 1);
    if (img) DrawImage(img, 0, 0);
}

void TShooting::_drawBottles() {
    for (const TBottle& b : butelki) b.draw();
    SetRotation(0);
}

void TShooting::_drawAmmo() {
    SetColor(255, 255, 255);
    SetScale(1, 1);
    SetAlpha(1);
    SetRotation(0);
    DrawImage(panel, 0, 502);
    if (!gun) return;
    const float spacing = 370.0f / float(gun->magazynek);
    for (int i = 0; i < ammo; ++i) DrawImage(gun->bullet, 36 + float(i) * spacing, 550);
    SetScale(0.7f, 0.7f);
    DrawImage(gun->img, 676, 548);
    SetScale(1, 1);
    SetImageFont(fonts.font_FONT20);
    drawSpecText(gun->name, 676, 565, kWhite, kPlum, 0, 1);
}

void TShooting::_drawInfo() {
    SetImageFont(fonts.font_font16);
    drawSpecText(objects().teksty.txtZostaloButelek, 488, 528, kWhite, kPlum, 0, 1);
    drawSpecText(std::to_string(policzButelki()), 488, 545, createRGB(255, 255, 0), kBlack, 0, 1);
}

void TShooting::_drawReload() {
    if (ammo != 0) return;
    const TTeksty& t = objects().teksty;
    struct Line {
        const std::string* text;
        TImageFontPtr font;
        float cy;
    };
    // With the keys in use, the hint names the keys (or the pad's buttons).
    const std::string* hint = &t.txtKliknijPrawy;
    if (keyboardFocusShown()) hint = GamepadUsedLast() ? &t.txtReloadPad : &t.txtReloadKeys;
    const Line lines[] = {{&t.txtPrzeladuj, fonts.font_blueHigh36, 300}, {hint, fonts.font_blueHigh26, 355}};
    SetBlend(ALPHABLEND);
    for (const Line& l : lines) {
        SetImageFont(l.font);
        const float x = 400 - float(TextWidth(*l.text) / 2), y = l.cy - float(TextHeight(*l.text) / 2);
        SetColor(0, 0, 0);
        SetAlpha(0.5f);
        DrawText(*l.text, x + 5, y + 5);
        SetAlpha(1);
        DrawText(*l.text, x - 1, y - 1);
        DrawText(*l.text, x + 1, y - 1);
        DrawText(*l.text, x - 1, y + 1);
        DrawText(*l.text, x + 1, y + 1);
        if (colourSwitch == 1) SetColor(255, 255, 0);
        else SetColor(255, 0, 0);
        DrawText(*l.text, x, y);
    }
    SetColor(255, 255, 255);
}

void TShooting::_drawFade() {
    drawVeil(fade);
}

void TShooting::_drawCrosshair() {
    // The pointer's own picture, in the pointer's place above everything;
    // not under a pop-up, which has its own focus.
    const TMouse& mouse = objects().mouse;
    if (!keyboardFocusShown() || covered || !mouse.cur) return;
    mouse.cur->draw(int(crossX), int(crossY));
}

void TShooting::_drawResults() {
    if (state != State::Results) return;
    for (const TResultText& line : listaWynikow) line.draw();
    if (newBest.score && listaWynikow.size() > size_t(kPointsLine)) tagNewBest(listaWynikow[kPointsLine]);
    SetImageFont(fonts.font_blueHigh26);
    drawSpecText(continuePrompt(objects().teksty.txtContinueClick), 400, 450, kWhite, createRGB(200, 200, 0), 0, cAlpha);
    SetAlpha(1);
}
