#include "game/game.h"

#include "app/game_objects.h"
#include "board/diamond_particle.h"
#include "board/tile_part.h"
#include "datafiles/strings.h"
#include "gui/gui_object.h"
#include "gui/keyboard_focus.h"
#include "gui/particle.h"
#include "shell/assets.h"
#include "shell/frame_tick.h"
#include "shell/media/media.h"

namespace {

// How a level of each mode is laid out and presented.
struct ModeSetup {
    const char* mode;
    const char* music;
    const char* layout;  // the screen's widgets
    int panel;           // entry of paneleGry
    int adX, adY;        // the board's offset from (x, y)
    int levelAdy;        // the HUD's offset
    int bAdy;            // the first bonus button
    int darkY;           // the board's dark backdrop
    std::array<int, 2> helpPages;  // 0: none
};

constexpr ModeSetup kModes[] = {
    {"NORMAL", "normal", "data/gui_game.gui", 0, -35, -35, 0, 68, 41, {1, 2}},
    {"CHANGE", "normal", "data/gui_game.gui", 0, -35, -35, 0, 68, 41, {6, 0}},
    {"STRATEGY", "strategy", "data/gui_game.gui", 0, -35, -35, 0, 68, 41, {4, 0}},
    {"PUZZLE", "puzzle", "data/gui_game.gui", 0, -35, -35, 0, 68, 41, {5, 0}},
    {"TWO", "two", "data/gui_game2.gui", 1, -33, 1, 25, 101, 75, {3, 0}},
};

const ModeSetup* modeSetup(const std::string& mode) {
    for (const ModeSetup& m : kModes)
        if (mode == m.mode) return &m;
    return nullptr;
}

template <size_t N>
const std::string& anyOf(const std::array<std::string, N>& texts) {
    return texts[size_t(Rand(1, int(N)) - 1)];
}

// The line that rises over the board when play begins.
std::string introText(const std::string& mode) {
    const TTeksty& t = objects().teksty;
    if (mode == "NORMAL") return anyOf(t.txtTRYBNormal);
    if (mode == "TWO") return anyOf(t.txtTRYBPodwojny);
    if (mode == "STRATEGY") return anyOf(t.txtTRYBStrategiczny);
    if (mode == "PUZZLE") return t.txtPuzzle;
    if (mode == "CHANGE") return anyOf(t.txtTRYBZmienny);
    return "";
}

bool questMode() { return objects().main.typGry == "QUEST"; }

TProfile* currentProfile() { return objects().profileManager.profile; }

// The developer's switch: the G key wins, the arrow keys nudge the board.
bool developerMode() { return FileType("cheats.txt") != 0; }

// The clock time `units` x 10 ms from now.
int tenMsFromNow(int units) { return clockAfter(MilliSecs(), 10LL * units); }

}  // namespace

// ---- Start-up and levels ---------------------------------------------------------

int TGame::setup() {
    x = 275 + _adX;
    y = 75 + _adY;
    paneleGry[0] = loadImageOrFail("gfx/gui/game/panel.png");
    paneleGry[1] = loadImageOrFail("gfx/gui/game/panel1.png");
    poleGry = paneleGry[0];
    gui = createGui("data/gui_game.gui");
    // The arrow keys, Enter and Space are the board's.
    gui->takesKeys = false;
    diament = LoadImage("gfx/gui/map/diamond.png");
    MidHandleImage(diament);
    darkImg = LoadImage("gfx/gui/game/dark.png");
    stripImg = LoadImage("gfx/gui/game/strip.png");
    barImg = LoadImage("gfx/gui/game/timebar.png");
    rgb = {createRGB(255, 255, 255), createRGB(255, 255, 255)};
    outline = {createRGB(200, 0, 200), createRGB(200, 0, 200)};
    bonusButtons = loadBonusButtons(kBonusFile);
    slotImg = LoadImage("gfx/gui/game/slot.png");
    MidHandleImage(slotImg);
    glowImg = LoadImage("gfx/tiles/bonus/back.png");
    MidHandleImage(glowImg);
    badgeImg = LoadImage("gfx/gui/game/howMany.png");
    MidHandleImage(badgeImg);
    ringImg = LoadImage("gfx/particles/pusty3.png", FILTEREDIMAGE | MIPMAPPEDIMAGE);
    MidHandleImage(ringImg);
    // A click on this screen first brings back the mode's music if it ended.
    TGlobalSnd& snd = objects().snd;
    snd.gameScreen = this;
    snd.gameScreenMusic = [this] { _updateMusic(); };
    return 0;
}

int TGame::setLevel(const TLevelPtr& newLevel) {
    if (!newLevel) return 0;
    if (questMode())
        if (const TProfile* p = currentProfile()) bonusy = p->bonus;
    level = newLevel;
    // A new board: the cursor is placed on it anew.
    cursor.forget();
    back = level->img;
    const bool board = level->kind() == "NORMAL";
    if (board) level->randomMe();
    objects().gate.hide();
    if (const ModeSetup* m = modeSetup(level->mode()); m && board) {
        poleGry = paneleGry[size_t(m->panel)];
        _adX = m->adX;
        _adY = m->adY;
    }
    if (level->typ.find('-') != std::string::npos) levelMode = level->mode();
    return 0;
}

int TGame::resetStartData(int openGate) {
    GameObjects& o = objects();
    state = State::Begin;
    if (openGate != 0) o.gate.open();
    zebraneKapsle = czas = punkty = biggestMatch = matches = steps = 0;
    ChangeTime = clockAfter(MilliSecs(), level ? 20LL * level->changeTime : 0);
    bonusCredit = 0;
    o.results.hide();
    goExit = 0;
    o.lostGame.hide();
    // Nothing of an earlier attempt is carried into this one: diamonds still
    // flying belonged to it.
    flyingDiamonds.clear();
    znalezione.clear();
    over = nullptr;
    chosenBonus = nullptr;
    cursorKeys.reset();
    return 0;
}

int TGame::prepare(const std::string& mode) {
    GameObjects& o = objects();
    o.endEmitter.setState(TEndEmitter::State::Wait);
    goExit = 0;
    wynik = 0;
    levelMode = mode;
    if (o.gate.closed()) o.gate.open();
    _prepareLevelType();
    _prepareBonuses();
    // The marbles know their cells already (the board keeps them in step),
    // so no drawing is needed before the first frame; the frame timing
    // settles over a few ticks.
    for (int i = 0; i < 11; ++i) frameTick();
    return 0;
}

int TGame::_prepareLevelType() {
    const ModeSetup* m = modeSetup(levelMode);
    if (!m) return 0;
    TGlobalSnd& snd = objects().snd;
    snd.stopAllMusic();
    snd.playMusic(m->music);
    myMusic = snd.getMyMusic(m->music);
    gui = createGui(m->layout);
    gui->takesKeys = false;
    levelAdy = m->levelAdy;
    bAdx = 728;
    bAdy = m->bAdy;
    darkX = 240;
    darkY = m->darkY;
    return 0;
}

// ---- The loop --------------------------------------------------------------------

int TGame::mainLoop() {
    GameObjects& o = objects();
    FlushMouse();
    FlushKeys();
    clearParticles();
    if (!level) return leave(0);
    const std::string kind = level->kind();
    if (kind == "SHOOTING") return leave(o.shooting.mainLoop(level));
    if (kind == "PUZZLE") return leave(o.puzzleGame.mainLoop(level));
    if (kind != "NORMAL") return leave(wynik);

    prepare(level->mode());
    // Only a focus lost from now on pauses this level.
    AppFocusLost();
    for (const int until = MilliSecs() + 100; MilliSecs() < until;) {
        frameTick();
        Delay(5);
    }
    if (!o.gate.opened()) o.gate.open();
    const Shown shown(*this);
    do {
        runFrame();
        // A developer aid: Ctrl and the arrow keys nudge the board (the
        // arrow keys alone are the player's).
        if ((KeyDown(KEY_LCTRL) || KeyDown(KEY_RCTRL)) && developerMode()) {
            _adX += (KeyDown(KEY_RIGHT) ? 1 : 0) - (KeyDown(KEY_LEFT) ? 1 : 0);
            _adY += (KeyDown(KEY_DOWN) ? 1 : 0) - (KeyDown(KEY_UP) ? 1 : 0);
        }
        controlFrame();
        if (state == State::End && o.gate.closed()) goExit = 1;
        if (KeyHit(KEY_G) && developerMode()) WYGRANA();
    } while (goExit == 0);
    return leave(state == State::End ? 1 : 0);
}

int TGame::controlFrame() {
    GameObjects& o = objects();
    if (o.lostGame.v && o.lostGame.gui) {
        if (o.lostGame.gui->clickedItem("restart")) {
            restartAttempt();
        } else if (o.lostGame.gui->clickedItem("mainmenu")) {
            o.gate.close();
            wynik = 0;
        }
    } else if (o.gate.opened() && state == State::Go) {
        const PlayKeys keys = readPlayKeys();
        _controlTiles(keys.press);
        _controlUpDown(keys.nextRow);
        _controlItemKeys(keys);
        _controlBonuses();
        _controlGui();
    } else if (state == State::AfterWin2) {
        // Enter or Space (the pad's A) leaves the results, as a click does.
        if (KeyHit(KEY_ENTER) + KeyHit(KEY_SPACE) > 0) leaveResults();
    } else if (state != State::Lost) {
        // Out of play the keys do nothing, and are not kept for later.
        readPlayKeys();
    }
    return 0;
}

int TGame::leave(int result) {
    wynik = result;
    disarm();
    objects().snd.stopTime();
    // A lost pop-up left through "mainmenu" goes with the screen.
    objects().lostGame.hide();
    // Keys and clicks of this screen must not reach the one it returns to.
    FlushKeys();
    FlushMouse();
    objects().mouse.clear();
    return wynik;
}

int TGame::update() {
    GameObjects& o = objects();
    _updateState();
    updateTileParts();
    updateParticles();
    if (gui) gui->update();
    o.results.update();
    _updateMatch();
    _updateBonuses();
    _updateTime();
    TDiamondParticle::_updateDiamonds();
    o.gate.update();
    _updateMusic();
    o.endEmitter.update();
    return 0;
}

// ---- States ----------------------------------------------------------------------

int TGame::_updateState() {
    if (state == State::Begin) __updateBegin();
    else if (state == State::Go) {
        _updateCursor();
        _updateTiles();
        _updateOver();
        _updateEmpty();
    } else if (state == State::Wait) {
        // The cursor moves on while marbles settle.
        _updateCursor();
        __updateWait();
    } else if (state == State::WaitStrategy) {
        _updateCursor();
        __updateWaitStrategy();
    } else if (state == State::Lost) {
        __updateLost();
    } else if (state == State::Win) {
        __updateWin();
    } else if (state == State::AfterWin2) {
        __updateAfterWin2();
    }
    return 0;
}

int TGame::__updateBegin() {
    active = 1;
    if (objects().gate.opened()) startPlay();
    return 0;
}

void TGame::startPlay() {
    state = State::Go;
    if (TBests* bests = objects().profileManager.questBests(level.get())) bests->tried(level->nr);
    // Until the help has been read the time bar stays full, as outside play.
    actTime = MilliSecs();
    const ModeSetup* m = modeSetup(levelMode);
    if (!m) return;
    covered_ = true;
    for (int page : m->helpPages)
        if (const TProfile* p = currentProfile(); page != 0 && p && p->porada(page))
            objects().help.mainLoop(page, this);
    covered_ = false;
    createTextParticle(introText(levelMode), 500, 300, 0, -1, 1, 0, 0.01f, fonts.font_blueHigh22,
                       createRGB(0, 0, 0), createRGB(255, 255, 255));
    // The level's clock and the first push start once the help has been read.
    czas = MilliSecs();
    if (level) actTime = tenMsFromNow(level->time);
}

int TGame::__updateWait() {
    if (!movingMarbles.empty()) return 0;
    state = lastState;
    active = 1;
    return 0;
}

int TGame::__updateWaitStrategy() {
    if (!movingMarbles.empty()) return 0;
    state = State::Go;
    giveNext();
    active = 1;
    return 0;
}

int TGame::__updateLost() {
    objects().lostGame.update();
    if (objects().gate.closed()) {
        goExit = 1;
        getRestartLevel();
    }
    return 0;
}

int TGame::__updateWin() {
    znalezione.clear();
    // The results wait for the diamonds still on their way: each is paid.
    if (!objects().endEmitter.isEnd() || !flyingDiamonds.empty()) return 0;
    objects().results.show();
    state = State::AfterWin2;
    if (level) level->clear();
    return 0;
}

int TGame::__updateAfterWin2() {
    if (objects().mouse.leftPressed) leaveResults();
    return 0;
}

void TGame::leaveResults() {
    // The results paid the profile when they opened; the click only leaves.
    objects().gate.close();
    state = State::End;
}

// ---- Play ------------------------------------------------------------------------

int TGame::_updateCursor() {
    const TStep step = cursorKeys.read(MilliSecs());
    // Ctrl and the arrows are the developer's nudge of the board.
    if (!level || !step.any() || KeyDown(KEY_LCTRL) || KeyDown(KEY_RCTRL)) return 0;
    cursor.fit(*level);
    if (keyboardFocusShown()) cursor.move(*level, step);
    else showKeyboardFocus(true);
    return 0;
}

bool TGame::cursorShown() const {
    const bool inPlay = state == State::Go || state == State::Wait || state == State::WaitStrategy;
    return level && inPlay && !covered_ && keyboardFocusShown();
}

int TGame::_updateTiles() {
    over = nullptr;
    if (!level || active != 1) return 0;
    for (int r = 0; r < level->usedRows(); ++r)
        for (int c = 0; c < level->usedCols(); ++c)
            if (const TTilePtr& t = level->tiles[size_t(r)][size_t(c)]) {
                t->update();
                if (t->isOver) over = t;
            }
    // A click is the mouse's: it acts where the pointer is.
    if (objects().mouse.leftPressed) showKeyboardFocus(false);
    // While the keyboard is in use, its cursor, not the pointer, picks the marble.
    if (cursorShown()) {
        cursor.fit(*level);
        over = cursor.tile(*level);
    }
    return 0;
}

int TGame::_updateOver() {
    if (!level) return 0;
    if (!over || active != 1) {
        level->clearFound();
        znalezione.clear();
        return 0;
    }
    const int armed = armedBonus();
    if (armed == KIND_LINE_ERASER) level->oznaczLinie(over);
    else if (armed == KIND_BOMB) level->oznaczBombe(over);
    else level->findAll(over, znalezione);
    return 0;
}

int TGame::_updateEmpty() {
    if (!level || !level->_isCleared() || !movingMarbles.empty()) return 0;
    // A picture-puzzle board is won once it is empty, whatever emptied it.
    if (levelMode == "PUZZLE") return WYGRANA();
    createParticle(40, 480, 300, 10000, 0, -1, 1, 0, 1, 2, 0.01f, 0.001f);
    for (int i = 1; i <= 25; ++i) {
        TDiamondParticle& d = createDiamond(Rand(0, 3), 480, 300, 48, diamondCounterY());
        d.rSpeed = 4;
        d.perSpeed = 0.03f;
        d.startTime = MilliSecs() + i * 50;
    }
    giveNext();
    return 0;
}

int TGame::_updateMatch() {
    if (state != State::Go || !level) return 0;
    if (level->puzzleLevel()) {
        if (level->canMatch() == 0) PRZEGRANA("NO-MATCH");
    } else if (level->canMatch() == 0 && level->_isCleared() == 0 && movingMarbles.empty()) {
        // No group left: rows come in until one forms.
        giveNext();
    }
    return 0;
}

bool TGame::_levelWithTime() const { return levelMode == "NORMAL" || levelMode == "TWO" || levelMode == "CHANGE"; }

int TGame::_updateTime() {
    if (!level) return 0;
    const int now = MilliSecs();
    if (active == 1 && state == State::Go && _levelWithTime()) {
        if (now > actTime && movingMarbles.empty()) giveNext();
        objects().snd.playTime();
    } else if (state != State::Wait) {
        // The deadline stands still outside play, but runs on while marbles settle.
        actTime = now;
    }
    if (levelMode == "CHANGE" && now > ChangeTime) {
        change();
        ChangeTime = clockAfter(now, 20LL * level->changeTime);
    }
    return 0;
}

void TGame::holdTimers(int ms) {
    actTime = clockAfter(actTime, ms);
    ChangeTime = clockAfter(ChangeTime, ms);
    // czas holds the start of play until the level is won, then its length.
    if (czas > 0 && state != State::Win && state != State::AfterWin2 && state != State::End) czas = clockAfter(czas, ms);
}

int TGame::change() { return level ? level->changeRandom() : 0; }

int TGame::_updateMusic() {
    const TGlobalSnd& snd = objects().snd;
    if (snd.musicOn == 1 && myMusic && (!snd.musicChn || !snd.musicChn->Playing())) myMusic->playMe();
    return 0;
}

int TGame::giveNext() {
    if (!level || !movingMarbles.empty()) return 0;
    if (level->puzzleLevel()) return 0;
    actTime = tenMsFromNow(level->time);
    const int kinds = int(level->available.size());
    if (kinds > 0 && bonusCredit > 30 / kinds) {
        level->giveNext(1);
        bonusCredit = 0;
    } else {
        level->giveNext(0);
    }
    return 0;
}

std::string TGame::obliczCzas() const { return minutesAndSeconds(czas); }

// ---- Input -----------------------------------------------------------------------

TGame::PlayKeys TGame::readPlayKeys() {
    PlayKeys keys;
    const bool confirm = KeyHit(KEY_ENTER) + KeyHit(KEY_SPACE) > 0;
    keys.nextRow = KeyHit(KEY_N) + KeyHit(KEY_PAD_X) > 0;
    keys.nextItem = KeyHit(KEY_PAD_Y) != 0;
    for (int k = KEY_1; k <= KEY_9; ++k)
        if (KeyHit(k) && keys.item < 0) keys.item = k - KEY_1;
    if (!confirm) return keys;
    // The first press after the mouse moved only shows where the cursor is.
    if (!keyboardFocusShown()) showKeyboardFocus(true);
    else if (chosenBonus) keys.useChosen = true;
    else keys.press = true;
    return keys;
}

int TGame::_controlTiles(bool keyPressed) {
    if (!level) return 0;
    TMouse& mouse = objects().mouse;
    const int R = level->rozmiar;
    const int ox = x + _adX, oy = y + _adY;
    // The keyboard aims at its cursor's cell, the mouse at the pointer's.
    const bool aimed = keyPressed || (mouse.leftPressed && mouse.inRect(ox, oy, 450, 450));
    if (const int armed = armedBonus(); armed && aimed && R > 0) {
        const int row = keyPressed ? cursor.row : (mouse.y - oy) / R;
        const int column = keyPressed ? cursor.column : (mouse.x - ox) / R;
        if (armed == KIND_LINE_ERASER) {
            if (over) level->eraseLine(over);
            else level->eraseLineR(row);
        } else if (over) {
            level->bomb(over);
        } else {
            level->bombRC(row, column);
        }
        mouse.setCursor("podstawowy");
        return 0;
    }
    if (!over || active != 1 || !(mouse.leftPressed || keyPressed)) return 0;
    if (znalezione.size() > 2) {
        const int n = int(znalezione.size());
        level->remove(znalezione);
        // The removed marbles are no longer under the pointer.
        znalezione.clear();
        level->checkLevel(0);
        if (levelMode == "STRATEGY") {
            _updateEmpty();
            state = State::WaitStrategy;
            giveNext();
        }
        if (levelMode == "PUZZLE" && level->_isCleared()) WYGRANA();
        steps += 1;
        if (n > 3) bonusCredit += n - 3;
    } else if (over->TD && over->TD->id > 100) {
        _controlTileBonus(over);
        znalezione.clear();
    }
    return 0;
}

int TGame::_controlUpDown(bool keyPressed) {
    // Picture-puzzle boards have no waiting rows to call in.
    if (!level || levelMode == "PUZZLE") return 0;
    // The key calls in the row that comes next, as a click on either
    // waiting row of a two-sided board does.
    if (keyPressed) return giveNext();
    const TMouse& mouse = objects().mouse;
    if (!mouse.leftPressed) return 0;
    if (mouse.inRect(_adX + 275, _adY + 540, 450, 45) ||
        (levelMode == "TWO" && mouse.inRect(_adX + 275, _adY + 15, 450, 45)))
        giveNext();
    return 0;
}

int TGame::_controlGui() {
    GameObjects& o = objects();
    // A player who leaves the window finds the level paused under the menu.
    const bool away = AppFocusLost() != 0;
    const bool escape = KeyHit(KEY_ESCAPE) != 0;
    const bool menuKey = (KeyHit(KEY_P) + KeyHit(KEY_PAUSE)) > 0;
    // Escape first lets go of the item chosen or armed.
    if (escape && !away && chosenBonus && keyboardFocusShown()) {
        chosenBonus = nullptr;
        return 0;
    }
    if (escape && !away && armedBonus()) {
        disarm();
        return 0;
    }
    if (!away && !(gui && gui->clickedItem("menu")) && !escape && !menuKey) return 0;
    covered_ = true;
    const int choice = o.inGameMenu.mainLoop(this);
    covered_ = false;
    if (choice == TInGameMenu::RESTART) {
        restartAttempt();
    } else if (choice == TInGameMenu::MAIN_MENU) {
        o.profileManager.saveProfile();
        goExit = 1;
    }
    return 0;
}

int TGame::_controlTileBonus(const TTilePtr& t) {
    if (!level || !t || !t->TD) return 0;
    TLevel& l = *level;
    const int id = t->TD->id;
    // The bomb and the eraser lie inside the area they clear, so they go
    // with it; the others are taken off first.
    if (id == KIND_BOMB) {
        l.bomb(t);
        l.checkLevel(0);
    } else if (id == KIND_SHUFFLE) {
        l.destroyTile(t);
        l.checkLevel(0);
        l.changeTilesPosition();
    } else if (id == KIND_LINE_ERASER) {
        l.eraseLine(t);
        l.checkLevel(0);
    } else if (id == KIND_SIDE_SWITCH) {
        l.destroyTile(t);
        l.changePlaces(t);
    } else if (id > 100) {
        l.destroyTile(t);
        l.destroy(id - 100);
        l.checkLevel(0);
    } else {
        return 0;
    }
    return 1;
}

const char* TGame::stateName(State state) {
    switch (state) {
        case State::None: return "";
        case State::Begin: return "BEGIN";
        case State::Go: return "GO";
        case State::Wait: return "WAIT";
        case State::WaitStrategy: return "WAIT-STRATEGY";
        case State::Lost: return "LOST";
        case State::Win: return "WIN";
        case State::AfterWin2: return "AFTERWIN2";
        case State::End: return "END";
    }
    return "";
}

// ---- The end of an attempt ------------------------------------------------------

namespace {

// An attempt that has been won cannot be won or lost again.
bool finished(TGame::State state) {
    return state == TGame::State::Win || state == TGame::State::AfterWin2 || state == TGame::State::End;
}

}  // namespace

void TGame::groupRemoved(int size) {
    punkty += size * size;
    if (size > biggestMatch) biggestMatch = size;
    matches += 1;
}

void TGame::boardMoving() {
    // The screen waits while marbles move and then returns where it was.
    if (lastState != State::Wait && state != State::Wait) lastState = state;
    else lastState = State::Go;
    active = 0;
    state = State::Wait;
}

void TGame::boardSound(const char* name) { objects().snd.play(name); }

int TGame::PRZEGRANA(const std::string& reason) {
    if (finished(state) || state == State::Lost) return 0;
    GameObjects& o = objects();
    state = lastState = State::Lost;
    znalezione.clear();
    disarm();
    o.mouse.clear();
    FlushMouse();
    FlushKeys();
    o.lostGame.show(reason);
    o.lostGame.update();
    o.snd.stopTime();
    o.snd.play("lost");
    return 0;
}

int TGame::WYGRANA() {
    if (finished(state)) return 0;
    GameObjects& o = objects();
    znalezione.clear();
    state = lastState = State::Win;
    // Whole-game runs wait for this line.
    Print(level && level->nr >= 0 ? "GAME : won level " + std::to_string(level->nr) : "GAME : won free play board");
    const int now = MilliSecs();
    czas = czas > 0 ? now - czas : 0;
    // The G key may win over the lost pop-up.
    o.lostGame.hide();
    disarm();
    o.snd.stopTime();
    o.endEmitter.reset();
    const int R = level ? level->rozmiar : 0;
    for (int r = 0; level && r < level->usedRows(); ++r)
        for (int c = 0; c < level->usedCols(); ++c)
            o.endEmitter.createSpot(darkX + c * R + R / 2, darkY + r * R + R / 2, now + r * 200,
                                    level->tiles[size_t(r)][size_t(c)]);
    o.endEmitter.setState(TEndEmitter::State::Start);
    o.snd.play("win");
    return 0;
}

// ---- Restarts --------------------------------------------------------------------

int TGame::restartAttempt() {
    closeGateQuick();
    disarm();
    restartBonuses();
    resetStartData(1);
    getRestartLevel();
    objects().gate.open();
    // The given-back items make their buttons usable again.
    _prepareBonuses();
    return 0;
}

int TGame::closeGateQuick() {
    TGate& gate = objects().gate;
    // Closing a closed gate again would fly it in anew from outside.
    if (gate.closed()) return 0;
    gate.close();
    TMouse& mouse = objects().mouse;
    while (!gate.closed()) {
        Cls();
        frameTick();
        mouse.update();
        gate.update();
        draw();
        Flip(-1);
    }
    return 0;
}

int TGame::getRestartLevel() {
    if (!level) return 0;
    if (level->nr < 0) {
        // A free-play board: a new random start of the same board.
        const TLevelPtr& copy = objects().freePlay.levelCopy;
        setLevel(copy ? copy : level);
        level->randomLevel(Rand(1, 6));
    } else {
        // A level that can no longer be read leaves the current one in play.
        setLevel(objects().levelManager.loadLevel(level->nr));
    }
    if (TProfile* p = currentProfile()) p->level = level;
    return 0;
}

int TGame::restartBonuses() {
    if (!questMode()) return 0;
    if (TProfile* p = currentProfile()) p->bonus = bonusy;
    return 0;
}
