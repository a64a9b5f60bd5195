#include "quest/free_play.h"

#include <algorithm>

#include "app/game_objects.h"
#include "datafiles/strings.h"
#include "gui/button.h"
#include "gui/caption.h"
#include "gui/particle.h"
#include "shell/assets.h"
#include "shell/media/media.h"

void TFreePlay::readLayout() {
    if (gui) gui->reload();
    else gui = createGui(kLayout);
    // A tab's title longer than its tab in some language takes a smaller
    // size of its face.
    for (const char* tab : {"match3", "strzelanie", "puzzle"}) {
        auto* b = dynamic_cast<TButton*>(gui->getItem(tab));
        if (!b || !b->_font) continue;
        const std::string file = "fonts/blueHigh.ttf";
        b->_font = fittingFont({&b->_txt},
                               {b->_font, LoadImageFont(file, 20), LoadImageFont(file, 18), LoadImageFont(file, 16)},
                               kTabTitleRoom);
    }
}

int TFreePlay::setup() {
    readLayout();
    img = LoadImage("gfx/gui/freeplay/panel.png");
    border = LoadImage("gfx/gui/freeplay/border.png");
    MidHandleImage(border);
    zakladki.clear();
    const char* tabs[3][3] = {{"match3", "gfx/gui/freeplay/match3.png", "data/gui_match3.gui"},
                              {"strzelanie", "gfx/gui/freeplay/strzelanie.png", "data/gui_strzelanie.gui"},
                              {"puzzle", "gfx/gui/freeplay/puzzle.png", "data/gui_puzzle.gui"}};
    for (const auto& [tabId, page, layout] : tabs) {
        auto t = std::make_unique<TZakladka>();
        t->setup(tabId, page, layout);
        zakladki.push_back(std::move(t));
    }
    return 0;
}

TZakladka* TFreePlay::tab(const std::string& tabId) {
    for (auto& t : zakladki)
        if (sameIgnoringCase(t->id, tabId)) return t.get();
    return nullptr;
}

void TFreePlay::setTab(const std::string& tabId) {
    const auto at = std::find_if(zakladki.begin(), zakladki.end(),
                                 [&tabId](const auto& t) { return sameIgnoringCase(t->id, tabId); });
    if (at == zakladki.end()) return;
    std::rotate(at, at + 1, zakladki.end());
    TZakladka& front = current();
    if (front.isPuzzle()) {
        front.getRandomPuzzle();
        front.oldPuzzle = nullptr;
    }
}

bool TFreePlay::canPlay() const {
    if (zakladki.empty()) return false;
    const TZakladka& front = *zakladki.back();
    return !front.isPuzzle() || front.newPuzzle != nullptr;
}

void TFreePlay::prepare() {
    goExit = 0;
    starting_ = false;
    clearParticles();
    setTab("match3");
    // The focus keeps its place from the last visit, shown by a key here.
    focus.setContainers(gui.get(), current().gui.get());
    focus.open();
    objects().gate.setOpened();
}

void TFreePlay::stepTab(int step) {
    const int n = int(std::size(kTabs));
    int at = 0;
    for (int i = 0; i < n; ++i)
        if (sameIgnoringCase(current().id, kTabs[i])) at = i;
    const char* next = kTabs[(at + step % n + n) % n];
    // The focus on a caption or inside the tab goes to the new tab's
    // caption; on "back" or "play" it stays.
    const bool onTheWayOut = focus.restsOn(0, "graj") || focus.restsOn(0, "anuluj");
    setTab(next);
    focus.setContainers(gui.get(), current().gui.get());
    if (!onTheWayOut) focus.placeOnButton(0, next);
}

int TFreePlay::mainLoop() {
    if (zakladki.empty()) return 0;
    prepare();
    const Shown shown(*this);
    do {
        runFrame();
        react();
    } while (goExit != 1);
    FlushKeys();
    FlushMouse();
    objects().mouse.clear();
    return 0;
}

void TFreePlay::react() {
    GameObjects& o = objects();
    // Once the gate is closing the game is on its way: nothing else counts.
    if (starting_) {
        if (o.gate.closed()) graj();
        return;
    }
    if (KeyHit(KEY_ESCAPE) || gui->clickedItem("anuluj")) {
        goExit = 1;
        return;
    }
    for (const char* tabId : kTabs)
        if (gui->clickedItem(tabId)) setTab(tabId);
    // Page Up and Page Down (the gamepad's shoulder buttons) step through
    // the tabs, round at either end.
    if (KeyHit(KEY_PAGEUP)) stepTab(-1);
    if (KeyHit(KEY_PAGEDOWN)) stepTab(1);
    if (focus.itemPressed()) current().pressItem(focus.item());
    if (gui->clickedItem("graj") && canPlay()) {
        starting_ = true;
        o.gate.close();
    }
    if (KeyHit(KEY_L)) _reload();
}

void TFreePlay::_reload() {
    gui->reload();
    current().reload();
}

// ---------------------------------------------------------------- frame

int TFreePlay::update() {
    TZakladka& front = current();
    focus.setContainers(gui.get(), front.gui.get());
    TFocusKeys keys = focus.readKeys();
    // The speed knob takes Left and Right while it has the focus.
    if (keys.step.dy == 0 && front.slideKnob(focus.item(), keys.step.dx)) keys.step.dx = 0;
    focus.update(keys, [&front](std::vector<TFocusTarget>& items) { front.focusItems(items); });
    // Of two containers the one updated last presses and shows its focused
    // button: the one the focus is in.
    const bool focusOnPanel = focus.focusedContainer() == gui.get();
    if (focusOnPanel) front.update();
    gui->update();
    // "graj" shows that a puzzle tab without a picture set has no game.
    if (TGuiObject* play = gui->getItem("graj")) play->_a = canPlay() ? 1 : 0;
    if (!focusOnPanel) front.update();
    objects().gate.update();
    return 0;
}

int TFreePlay::draw() {
    _drawBack();
    _drawTabs();
    _drawGui();
    objects().gate.draw();
    return 0;
}

void TFreePlay::_drawBack() {
    objects().mainMenu.draw();
    SetColor(255, 255, 255);
    SetScale(1, 1);
    SetAlpha(1);
    SetBlend(ALPHABLEND);
    SetRotation(0);
    DrawImage(img, 100, 50);
}

void TFreePlay::_drawTabs() {
    // The tab in front is the last; only it shows the focus.
    const int focused = focus.item();
    for (const auto& t : zakladki) {
        if (t.get() == &current()) t->draw(focused, focus.shown());
        else t->draw();
    }
    SetColor(255, 255, 255);
    SetScale(1, 1);
    SetAlpha(1);
}

void TFreePlay::_drawGui() {
    gui->draw();
    SetScale(1, 1);
    SetImageFont(fonts.font_blueHigh36);
    drawSpecText(objects().teksty.txtFreePlayTitle, 400, 60, createRGB(255, 255, 255), createRGB(200, 0, 200), 0, 1);
    SetColor(255, 255, 255);
    SetAlpha(1);
}

// ---------------------------------------------------------------- the games

namespace {
// A level of free play's own: no quest number, free play's backdrop.
TLevelPtr freePlayLevel() {
    auto level = std::make_shared<TLevel>();
    level->nr = -1;
    level->imgUrl = TFreePlay::kBackdrop;
    level->img = LoadImage(TFreePlay::kBackdrop);
    return level;
}
}  // namespace

TLevelPtr TFreePlay::buildBoard(const TZakladka& match3) const {
    const TLevelPtr level = freePlayLevel();
    level->rozmiar = TLevel::kCellSizes[1];
    level->zestaw = 1;
    level->rows = level->cols = kBoardCells;
    level->available = match3.tiles;
    level->bonusy = match3.bonusy;
    level->typ = "NORMAL-" + match3.tryb;
    level->time = match3.levelTime();
    level->changeTime = match3.levelChangeTime();
    level->lines = -1;
    level->randomLevel(Rand(1, 5));
    level->randomMe();
    return level;
}

TLevelPtr TFreePlay::buildShooting(const TZakladka& shooting) const {
    const TLevelPtr level = freePlayLevel();
    level->lines = shooting.butelki;
    level->bonusy = shooting.bonusyButelek;
    return level;
}

TLevelPtr TFreePlay::buildPuzzle(const TZakladka& puzzle) const {
    if (!puzzle.newPuzzle) return nullptr;
    const TPuzzleSet& set = *puzzle.newPuzzle;
    const TLevelPtr level = freePlayLevel();
    level->rows = set.rows;
    level->cols = set.cols;
    // Cut as a quest puzzle is cut: the picture into rows x cols frames.
    level->_loadPuzzles(set.url);
    if (!level->img2) return nullptr;
    return level;
}

void TFreePlay::graj() {
    GameObjects& o = objects();
    o.main.typGry = "";
    TZakladka& front = current();
    if (front.isMatch3()) {
        _playBoard();
    } else if (front.isShooting()) {
        const TLevelPtr level = buildShooting(front);
        // The gallery takes its backdrop from the game screen's level.
        o.game.setLevel(level);
        o.shooting.mainLoop(level);
    } else if (front.isPuzzle()) {
        if (const TLevelPtr level = buildPuzzle(front)) o.puzzleGame.mainLoop(level);
    }
    // The main menu comes back under a white veil, the gate out of sight.
    o.mainMenu.whiteFade = 1;
    o.mainMenu.dWhiteFade = 0;
    o.gate.setOpened();
    goExit = 1;
}

void TFreePlay::_playBoard() {
    GameObjects& o = objects();
    TZakladka& match3 = current();
    if (match3.tiles.empty()) match3.getTiles();
    const TLevelPtr level = buildBoard(match3);
    levelCopy = buildBoard(match3);
    TProfile* p = o.profileManager.profile;
    if (p) p->level = level;
    o.game.setLevel(level);
    o.game.resetStartData(1);
    o.game.mainLoop();
    // The quest goes on from its own level, fresh from the catalogue, just
    // as when the profile was loaded: a player at quest level 1 keeps it too.
    if (p) o.profileManager.loadQuestLevel(*p);
}
