#pragma once
// The shooting gallery: balloons rise over the level's picture and the player
// pops them with the mouse, or with a crosshair moved by the arrow keys (or
// a gamepad's sticks) and fired by a key. Crates on parachutes rise among them; hitting one
// hands over a better gun for one magazine. After a three-step countdown the
// shooting runs until no balloon is left; the results then count the hits
// into points and diamonds, which go to the current player.
#include <string>
#include <vector>

#include "board/level.h"
#include "game/result_text.h"
#include "minigames/bottle.h"
#include "minigames/crosshair_motion.h"
#include "minigames/gun.h"
#include "players/bests.h"
#include "shell/ekran.h"
#include "shell/media/image.h"

class TShooting : public TEkran {
public:
    static constexpr const char* kGunsFile = "data/guns.dat";
    static constexpr const char* kBonusFile = "data/bonusy.dat";
    // More balloons than the largest free-play gallery would only be a
    // damaged level file.
    static constexpr int kMaxBalloons = 2000;
    // Result lines read back while the hits are counted up.
    static constexpr int kHitsLine = 8, kPointsLine = 12, kDiamondsLine = 13;

    TImagePtr panel;
    // The countdown, play, the results; None before the first round.
    enum class State { None, Begin, Go, Results };
    State state = State::None;
    float fade = 0, dFade = 0;
    std::vector<TBottleBonus> allBonus;
    std::vector<TGun> guns;
    std::vector<TResultText> listaWynikow;
    TImagePtr img;  // the level's picture behind the balloons
    std::vector<TBottle> butelki;
    TLevelPtr level;
    int ammo = 0;
    TGun* gun = nullptr;  // one of `guns`; none when the guns file lists none
    int goExit = 0;
    int colourSwitch = 0;  // blink phase of the reload prompt
    int time = 0;         // next blink, ms
    int shotTime = 0;     // earliest next automatic shot, ms
    int counter = 0;      // countdown step
    int counterTime = 0;  // next countdown or counting step, ms
    float cAlpha = 0;     // the "continue" prompt
    int trafienia = 0;    // shots that hit
    int pudla = 0;        // shots that missed
    int wystrzelone = 0;  // shots fired
    int butelek = 0;      // balloons at the start
    // The keys' crosshair, where the shots go while the keyboard is in use;
    // it follows the mouse when the mouse moves.
    float crossX = 400, crossY = 300;
    TCrosshairMotion crossMotion;
    bool covered = false;  // a pop-up is up over the gallery
    bool leftForMainMenu = false;
    TBests::NewBest newBest;  // what the gallery's hits improved

    TShooting() { _myName = "Shooting mini-game"; }

    // Pictures, guns, crate bonuses. Once at start-up.
    int setup() override;
    // Reads the guns' names again (the language changed), leaving the rest.
    void readGunNames();
    int update() override;
    int draw() override;
    void holdTimers(int ms) override;

    // Plays the level; 1, so a quest level counts as won, unless the player
    // left it for the main menu (0).
    int mainLoop(const TLevelPtr& level);
    // A new game of the level: gate opening, countdown, balloons, first gun.
    void prepare(const TLevelPtr& level);
    // The frame's reaction to the mouse and keys, after update and draw;
    // true once the gate has closed over the finished game.
    bool react();

    // Where a shot goes: the crosshair while the keyboard is in use, else
    // the pointer.
    int sightX() const;
    int sightY() const;
    // Fires the gun in hand at the sight: `shot` for the guns fired by
    // clicks, `shot2` for the automatics (which fire only when their
    // interval allows).
    void shot();
    void shot2();
    // Refills the first kind of gun; the others cannot be reloaded.
    void reload();
    // Puts guns[index] in hand with a full magazine; other indices do nothing.
    void setGun(int index);
    // Balloons (crates excluded) not yet hit.
    int policzButelki() const;
    // The results: one line per figure, the hits paid to the current player.
    void _prepareResults();

    // Balloon i (from 1) below the screen, and a crate among m balloons.
    void createBottle(int i);
    void createBonus(int m);
    const TBottleBonus* randomBonus() const;
    const TBottleBonus* getBottleBonus(int id) const;

private:
    // The in-game menu, opened when the window loses its focus, and what its
    // choice does.
    void goMenu();
    void _prepareSelf();
    void _prepareBottles();
    void _prepareGun();
    void _updateState();
    void _updateBottles();
    void _updateResults();
    void _updateReload();
    void _updateFade();
    void _updateCursor();
    // The crosshair moved by the held arrows (or W A S D) and the right
    // stick over the frame; a first key after the mouse only shows it.
    void _updateCrosshair();
    // The keys of the frame: fire (Space, Enter, a held one for the
    // automatics), reload (R, the pad's X), the menu (Escape, P, Pause).
    void _reactKeys();
    void _drawBack();
    void _drawBottles();
    void _drawAmmo();
    void _drawInfo();
    void _drawReload();
    void _drawFade();
    void _drawResults();
    void _drawCrosshair();
    // Moves a shot's landing point up to 10 x the gun's spread off the sight.
    void _spread(int& px, int& py) const;
    // Every bottle not yet hit is tested at the point; true when a balloon was hit.
    bool _shootAt(int px, int py);
    // The impact mark at the point; automatics leave a larger one.
    void _markImpact(int px, int py, float size);
    // One cartridge used; an empty special gun gives way to the first gun.
    void _useCartridge();
    void _dropRemoved();
};
