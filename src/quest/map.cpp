#include "quest/map.h"

#include <algorithm>

#include "app/game_objects.h"
#include "datafiles/strings.h"
#include "gui/caption.h"
#include "gui/digits.h"
#include "gui/particle.h"
#include "shell/assets.h"
#include "shell/delta_time.h"
#include "shell/frame_tick.h"
#include "shell/language.h"
#include "shell/media/media.h"

namespace {
TImagePtr markerImage(const char* path) {
    TImagePtr image = LoadImage(path);
    MidHandleImage(image);
    return image;
}

// Whether a level of the catalogue has a marker on the map, and how far
// from its middle the marker reaches.
bool hasMarker(const TLevelData& entry) { return entry.pos && (entry.typ == 0 || entry.typ == 1); }
int markerReach(const TLevelData& entry) { return entry.typ == 1 ? 20 : 14; }
// A marker's dark rim would swallow a glow of its own size: the focus's glow
// is of a larger marker, so its gold shows around the rim.
constexpr float kMarkerGlowScale = 1.4f;
}  // namespace

int TMap::setup() {
    chmury.setup();
    mapa = LoadImage("gfx/gui/map/mapa.jpg");
    panel = LoadImage("gfx/gui/map/panel.png");
    podklad1 = markerImage("gfx/gui/map/level1.png");
    podklad2 = markerImage("gfx/gui/map/level2.png");
    duzyPodklad1 = markerImage("gfx/gui/map/duzyPodklad.png");
    duzyPodklad2 = markerImage("gfx/gui/map/duzyPodklad2.png");
    imgTab[0] = markerImage("gfx/gui/map/level1.png");
    imgTab[1] = markerImage("gfx/gui/map/duzyPodklad.png");
    bestsCard = LoadImage("gfx/gui/map/bests.png");
    gui = createGui(kLayout);
    // The map's buttons fade very slowly.
    for (auto& widget : gui->_listaObiektow) widget->wzr = 0.001f;
    cloudRect = {createDim(488, 0, 40, 100), createDim(527, 0, 95, 20), createDim(538, 147, 82, 47),
                 createDim(495, 88, 35, 64), createDim(620, 0, 180, 194)};
    snowRect = {createDim(34, 413, 76, 69), createDim(445, 393, 108, 29), createDim(20, 483, 318, 60),
                createDim(340, 422, 312, 123)};
    return 0;
}

int TMap::levelNumber() const {
    const TProfile* p = objects().profileManager.profile;
    return p ? p->currentLevel : 0;
}

bool TMap::shopOpenBefore(int nr) {
    // The shop opens before level 5, and then stays shut before every
    // fourth, ninth and tenth level of each ten.
    if (nr < 5) return false;
    const int last = nr % 10;
    return !(nr <= 100 && (last == 4 || last == 9 || last == 0));
}

void TMap::prepareShop() {
    if (TGuiObject* shop = gui->getItem("sklep")) shop->setState(1, shopOpenBefore(levelNumber()) ? 1 : 0);
}

void TMap::prepare() {
    GameObjects& o = objects();
    o.gate.open();
    chmury.turn = Rand(1, 2) == 1 ? -1 : 1;
    chmury.angle = float(Rand(0, 360));
    prepareShop();
    o.snd.stopAllMusic();
    o.snd.playMusic("map");
    o.shop.giveBonusList(o.levelManager._loadLevelBonusData(levelNumber()));
    for (int i = 0; i < 20; ++i)
        if (TChmura* cloud = chmury.createNewCloud()) cloud->a = 0.5f;
    o.profileManager.saveProfile();
    // The focus comes to the map on the marker of the level to play.
    focus.setContainers(gui.get());
    focus.open();
    focus.placeOnItem(levelNumber());
    Print("MAP : level " + std::to_string(levelNumber()));
}

void TMap::prepareDelta() {
    // One picture (every texture of the map is on the card after it), then
    // the frame timing settles before the first frame.
    draw();
    for (int i = 0; i < 41; ++i) frameTick();
}

bool TMap::react() {
    GameObjects& o = objects();
    if (!o.gate.opened()) return o.gate.closed();
    const TProfile* p = o.profileManager.profile;
    if (p && p->porada(0)) {
        o.help.mainLoop(0, this);
        FlushKeys();
        return false;
    }
    if (p && p->porada(8) && levelNumber() == 5) {
        o.help.mainLoop(8, this);
        return false;
    }
    // S, or the gamepad's Y, opens the shop as its button does, when open.
    const bool shopKey = KeyHit(KEY_S) + KeyHit(KEY_PAD_Y) > 0 && shopOpenBefore(levelNumber());
    if (gui->clickedItem("sklep") || shopKey) {
        o.shop.mainLoop();
        return false;
    }
    // Enter plays the level, whichever marker the focus shows (a focused
    // button takes Enter itself).
    if (gui->clickedItem("play") || focus.itemPressed() || KeyHit(KEY_ENTER)) o.gate.close();
    return false;
}

int TMap::mainLoop() {
    prepare();
    prepareDelta();
    const Shown shown(*this);
    do {
        runFrame();
    } while (!react());
    FlushKeys();
    FlushMouse();
    // A breath under the closed gate before the level.
    const int until = MilliSecs() + 500;
    while (MilliSecs() < until) {
        frameTick();
        Delay(10);
    }
    return 0;
}

void TMap::_updateTabAlpha() {
    if (tabSwitch == 1) {
        tabAlpha += 0.05f * delta;
        if (tabAlpha > 1) {
            tabAlpha = 1;
            tabSwitch = 0;
        }
    } else {
        tabAlpha -= 0.05f * delta;
        if (tabAlpha < 0) {
            tabAlpha = 0;
            tabSwitch = 1;
        }
    }
}

void TMap::_updateParticleGeneration() {
    if (MilliSecs() <= partTime) return;
    auto pointIn = [](const TDim& d, int& x, int& y) {
        x = Rand(int(d.x), int(d.x) + d.w);
        y = Rand(int(d.y), int(d.y) + d.h);
    };
    int x, y;
    for (int i = 0; i < 5; ++i) {
        // The big area at the right gets most of the clouds.
        const int area = std::min(Rand(0, 10), 4);
        pointIn(cloudRect[size_t(area)], x, y);
        if (Rand(1, 3) == 1) createCloudParticle(x, y);
    }
    for (int i = 0; i < 7; ++i) {
        int area = Rand(0, 8);
        if (area > 1) area = Rand(1, 2) + 1;
        pointIn(snowRect[size_t(area)], x, y);
        createSmokeParticle(x, y);
    }
    partTime = MilliSecs() + 100;
}

void TMap::_updateMarkerSparkles() {
    // Born here rather than while drawing: the map is also drawn behind the
    // help pages and the shop, which do not move its particles on.
    const int reached = levelNumber();
    int k = 0;
    for (const TLevelData& entry : objects().levelManager.levels) {
        if (++k > reached) break;
        if (hasMarker(entry)) generateParticle(int(entry.pos->x), int(entry.pos->y), entry.typ);
    }
}

int TMap::markerAt(int x, int y) const {
    int k = 0;
    for (const TLevelData& entry : objects().levelManager.levels) {
        ++k;
        if (!hasMarker(entry)) continue;
        const int reach = markerReach(entry);
        const int dx = x - int(entry.pos->x), dy = y - int(entry.pos->y);
        if (dx * dx + dy * dy <= reach * reach) return k;
    }
    return 0;
}

void TMap::focusMarkers(std::vector<TFocusTarget>& markers) const {
    const int reached = levelNumber();
    int k = 0;
    for (const TLevelData& entry : objects().levelManager.levels) {
        if (++k > reached) break;
        if (!hasMarker(entry)) continue;
        const int x = int(entry.pos->x), y = int(entry.pos->y), reach = markerReach(entry);
        TFocusTarget marker{k, {}};
        marker.dim.x1 = x - reach;
        marker.dim.x2 = x + reach;
        marker.dim.y1 = y - reach;
        marker.dim.y2 = y + reach;
        markers.push_back(marker);
    }
}

int TMap::focusedLevel() const {
    const int k = focus.item();
    return k >= 1 && k <= levelNumber() ? k : 0;
}

int TMap::update() {
    GameObjects& o = objects();
    focus.update(focus.readKeys(), [this](std::vector<TFocusTarget>& markers) { focusMarkers(markers); });
    // The focused marker shows its bests as the pointed one does.
    if (const int focused = focusedLevel()) pointedLevel = focused;
    else pointedLevel = o.gate.opened() ? markerAt(o.mouse.x, o.mouse.y) : 0;
    gui->update();
    o.gate.update();
    chmury.updateALL();
    _updateTabAlpha();
    _updateParticleGeneration();
    _updateMarkerSparkles();
    updateParticles();
    return 0;
}

void TMap::generateParticle(int x, int y, int kind) {
    if (Rand(0, 20) > 1) return;
    const float jitter = kind == 0 ? 1.0f : 3.0f;
    const float px = float(x) + Rnd(-jitter, jitter), py = float(y) + Rnd(-jitter, jitter);
    const TRGB colour = kind == 0 ? createRGB(Rand(210, 255), Rand(160, 255), Rand(40, 90))
                                  : createRGB(Rand(20, 40), Rand(10, 100), Rand(100, 255));
    createParticle(7, px, py, 10000, Rnd(-0.2f, 0.2f), Rnd(-0.2f, 0.2f), 1, 0, 0.35f, kind == 0 ? 0.7f : 1.0f,
                   kind == 0 ? 0.01f : 0.006f, 0.01f, &colour);
}

void TMap::_drawActLevel(int kind, float x, float y) {
    SetAlpha(tabAlpha);
    SetScale(1 + tabAlpha, 1 + tabAlpha);
    DrawImage(imgTab[size_t(kind)], x, y);
    SetScale(1, 1);
    SetAlpha(1);
}

void TMap::_drawHere(int hereX, int hereY) {
    SetImageFont(fonts.font_FONT20);
    const float x = float(hereX - TextWidth(objects().teksty.txtYouAreHere) / 2), y = float(hereY + 10);
    SetAlpha(0.7f);
    SetColor(0, 0, 0);
    DrawText(objects().teksty.txtYouAreHere, x + 3, y + 3);
    SetColor(200, 0, 200);
    drawOutline(objects().teksty.txtYouAreHere, x, y);
    SetColor(255, 255, 255);
    DrawText(objects().teksty.txtYouAreHere, x, y);
    SetAlpha(1);
}

void TMap::_drawMap() {
    const int reached = levelNumber();
    const int focused = focusedLevel();
    const TLevelData* here = nullptr;
    int k = 0;
    SetScale(1, 1);
    for (const TLevelData& entry : objects().levelManager.levels) {
        ++k;
        if (!hasMarker(entry)) continue;
        const float x = entry.pos->x, y = entry.pos->y;
        const bool big = entry.typ == 1;
        if (reached >= k) {
            if (k == focused) glow.around(big ? duzyPodklad1 : podklad1, x, y, kMarkerGlowScale);
            DrawImage(big ? duzyPodklad1 : podklad1, x, y);
            if (reached == k) {
                _drawActLevel(entry.typ, x, y);
                here = &entry;
            }
        } else {
            DrawImage(big ? duzyPodklad2 : podklad2, x, y);
        }
    }
    // Only where there is a current marker: a caption in the corner would
    // point at nothing.
    if (here) _drawHere(int(here->pos->x), int(here->pos->y));
}

void TMap::_drawGui() {
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetScale(1, 1);
    if (const TProfile* p = objects().profileManager.profile) drawNumber(p->kapsle, 95, 551, 6);
    SetImageFont(fonts.font_FONT20);
    // Made again only when the number changes, not every frame.
    if (levelCaptionFor != levelNumber() || levelCaptionLanguage != language::changes() || levelCaption.empty()) {
        levelCaptionFor = levelNumber();
        levelCaptionLanguage = language::changes();
        levelCaption = objects().teksty.txtMapLevel + ": " + std::to_string(levelCaptionFor);
    }
    drawSpecText(levelCaption, 400, 45, createRGB(200, 200, 0), createRGB(200, 0, 200), 0, 1);
    gui->draw();
    SetScale(1, 1);
    SetAlpha(1);
    SetImageFont(fonts.font_blueHigh22);
    const float x = float(400 - TextWidth(objects().teksty.txtMapTitle) / 2), y = 10;
    SetAlpha(0.7f);
    SetColor(0, 0, 0);
    DrawText(objects().teksty.txtMapTitle, x + 5, y + 5);
    SetColor(200, 0, 200);
    drawOutline(objects().teksty.txtMapTitle, x, y);
    SetColor(255, 255, 255);
    DrawText(objects().teksty.txtMapTitle, x, y);
    SetAlpha(1);
}

int TMap::draw() {
    SetBlend(ALPHABLEND);
    SetColor(255, 255, 255);
    SetScale(1, 1);
    SetAlpha(1);
    SetRotation(0);
    DrawImage(mapa, 0, 0);
    chmury.drawAll();
    SetScale(1, 1);
    SetAlpha(1);
    DrawImage(panel, 0, 528);
    drawParticles();
    _drawMap();
    _drawGui();
    _drawBests();
    objects().gate.draw();
    return 0;
}

void TMap::_drawBests() {
    const TProfile* p = objects().profileManager.profile;
    const TLevelBest* best = p && pointedLevel > 0 ? p->bests.find(pointedLevel) : nullptr;
    const auto& levels = objects().levelManager.levels;
    if (!best || !bestsCard || size_t(pointedLevel) > levels.size()) return;
    const std::optional<TDim>& pos = levels[size_t(pointedLevel - 1)].pos;
    if (!pos) return;
    // Above and right of the marker, turned inwards near the screen's edges.
    const int w = ImageWidth(bestsCard), h = ImageHeight(bestsCard);
    int x = int(pos->x) + 16, y = int(pos->y) - h - 4;
    if (x + w > 800) x = int(pos->x) - 16 - w;
    if (y < 0) y = int(pos->y) + 16;
    x = std::clamp(x, 0, 800 - w);
    y = std::clamp(y, 0, 600 - h);
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetScale(1, 1);
    DrawImage(bestsCard, float(x), float(y));
    SetImageFont(fonts.font_FONT20);
    drawSpecText(objects().teksty.txtMapLevel + " " + std::to_string(pointedLevel), x + 116, y + 12, createRGB(255, 220, 90),
                  createRGB(120, 30, 120), 0, 1);
    const TTeksty& t = objects().teksty;
    const std::string lines[3][2] = {
        {t.txtBestScore, best->wins > 0 ? std::to_string(best->score) : "-"},
        {t.txtFastestWin, best->fastestMs > 0 ? minutesAndSeconds(best->fastestMs) : "-"},
        {t.txtTries, std::to_string(best->tries)},
    };
    SetImageFont(fonts.font_font16);
    for (int i = 0; i < 3; ++i) {
        const int ly = y + 46 + 22 * i;
        drawSpecText(lines[i][0], x + 26, ly, createRGB(255, 255, 255), createRGB(60, 20, 90), 1, 1);
        drawSpecText(lines[i][1], x + 202, ly, createRGB(255, 255, 0), createRGB(60, 20, 90), 2, 1);
    }
    SetColor(255, 255, 255);
    SetAlpha(1);
}

