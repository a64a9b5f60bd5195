#pragma once
// The quest map: the lands of the journey with a marker for every level of
// the catalogue, the reached ones lit and sparkling, the current one pulsing
// under "You are here", the diamonds owned, drifting clouds and smoke. Its
// buttons (data/gui_mapa.gui) are "play", which goes on to the level, and
// "sklep", the bonus shop. The first visit shows help page 0, the visit
// before level 5 help page 8 (the shop). While the pointer rests on the
// marker of a level the player has tried, a card shows their bests there.
//
// Keys: Enter plays the level (as "play" does), S or the gamepad's Y opens
// the shop. The arrows, Tab and Shift+Tab move the keyboard focus over the
// markers of the levels reached, in level order, and the two buttons; a
// focused marker shows its bests as the pointed one does.
#include <array>
#include <memory>
#include <string>

#include "gui/dim.h"
#include "gui/gui.h"
#include "quest/clouds.h"
#include "quest/screen_focus.h"
#include "shell/ekran.h"
#include "shell/media/image.h"

class TMap : public TEkran {
public:
    static constexpr const char* kLayout = "data/gui_mapa.gui";

    TImagePtr mapa;   // the map, at (0, 0)
    TImagePtr panel;  // the bottom panel, at (0, 528)
    // Markers, centre handles: small and big, reached and still ahead.
    TImagePtr podklad1, podklad2, duzyPodklad1, duzyPodklad2;
    std::array<TImagePtr, 2> imgTab;  // the current marker's glow: small, big
    TImagePtr bestsCard;              // the card of a level's personal bests
    float tabAlpha = 0;
    int tabSwitch = 1;  // 1 while the glow grows, 0 while it fades
    // Where cloud and smoke particles are born.
    std::array<TDim, 5> cloudRect;
    std::array<TDim, 4> snowRect;
    int partTime = 0;  // clock time of the next burst of particles
    std::unique_ptr<TGui> gui;
    // The keyboard focus over the markers (item k: level k's) and buttons.
    TScreenFocus focus{TScreenFocus::Order::ItemsFirst};
    TFocusGlow glow;
    TChmury chmury;

    TMap() { _myName = "Quest Map Object"; }

    int setup() override;
    int update() override;
    int draw() override;

    // Runs the map until "play" has closed the gate over it; 0.
    int mainLoop();
    // Opening: the gate, the clouds, the shop button, the music; saves the
    // profiles.
    void prepare();
    // Whether the shop can be visited before level `nr`.
    static bool shopOpenBefore(int nr);
    void prepareShop();
    // One frame's help pages and clicks; true once the gate has closed.
    bool react();
    // The quest level about to be played (0 with no current player).
    int levelNumber() const;
    // The level whose marker is under (x, y), or 0.
    int markerAt(int x, int y) const;
    // The markers the keyboard focus visits: those of the levels reached,
    // in level order, each numbered by its level.
    void focusMarkers(std::vector<TFocusTarget>& markers) const;
    // The level whose marker has the shown keyboard focus, or 0.
    int focusedLevel() const;

    // The pulse of the current marker, particle births: also kept moving by
    // the shop, which shows the map behind itself.
    void _updateTabAlpha();
    void _updateParticleGeneration();

private:
    std::string levelCaption;  // txtLevel + ": " + the number, for levelCaptionFor
    int levelCaptionFor = 0;
    int levelCaptionLanguage = -1;  // language::changes() when it was made
    int pointedLevel = 0;  // the level whose marker is under the pointer, or 0

    void prepareDelta();
    void _drawMap();
    void _drawActLevel(int kind, float x, float y);
    void _drawHere(int x, int y);
    void _drawGui();
    // The pointed level's bests beside its marker, when it was tried.
    void _drawBests();
    // Now and then a sparkle over each reached marker (kind 0 small, 1 big).
    void _updateMarkerSparkles();
    void generateParticle(int x, int y, int kind);
};
