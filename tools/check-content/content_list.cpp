#include "content_list.h"

namespace content {

const char* const kTileKinds = "data/tiles1.dat";
const char* const kBonusButtons = "data/bonusy_tiles.dat";
const char* const kLevelCatalogue = "data/levels.dat";
const char* const kGuns = "data/guns.dat";
const char* const kCrateBonuses = "data/bonusy.dat";
const char* const kPictureSets = "data/zestawy.dat";

std::vector<Picture> namedPictures() {
    std::vector<Picture> list = {
        // Loading screen: a full-screen splash and two progress dots.
        {"gfx/splash/loadscreen.png", 800, 600, true},
        {"gfx/splash/off.png", 40, 40},
        {"gfx/splash/on.png", 40, 40},
        // The shooting gallery's one-pixel hit test.
        {"gfx/gui/mousePoint.png", 1, 1, true},
        // Particles.
        {"gfx/particles/particle0.png"},
        {"gfx/particles/particle1.png"},
        {"gfx/particles/particle2.png"},
        {"gfx/particles/pusty1.png"},
        {"gfx/particles/pusty2.png"},
        {"gfx/particles/pusty3.png"},
        {"gfx/gui/shooting/shot.png"},
        {"gfx/particles/star.png"},
        {"gfx/particles/3.png"},
        {"gfx/particles/smallCloud.png"},
        {"gfx/gui/map/chmury/chmura1.png"},
        {"gfx/gui/map/chmury/chmura2.png"},
        {"gfx/gui/map/chmury/chmura3.png"},
        {"gfx/particles/cleanup.png"},
        {"gfx/particles/d1.png"},
        {"gfx/particles/d2.png"},
        {"gfx/particles/d3.png"},
        {"gfx/particles/d4.png"},
        // Bonus buttons' glow and count badge, the HUD diamond, the menu logo.
        {"gfx/tiles/bonus/back.png"},
        {"gfx/gui/game/howMany.png"},
        {"gfx/gui/map/diamond.png"},
        {"gfx/gui/mainMenu/logo.png", 560, 150},
        // Full-screen scenes: the main menu, the free-play backdrop, the
        // quest map and its bottom panel (drawn at 0, 528).
        {"gfx/gui/mainmenu/tlo.jpg", 800, 600, true},
        {"gfx/backgrounds/free.jpg", 800, 600, true},
        {"gfx/gui/map/mapa.jpg", 800, 600, true},
        {"gfx/gui/map/panel.png", 800, 72, true},
        // The quest map's markers: small and big, reached and ahead.
        {"gfx/gui/map/level1.png", 34, 34},
        {"gfx/gui/map/level2.png", 34, 34},
        {"gfx/gui/map/duzyPodklad.png", 48, 48},
        {"gfx/gui/map/duzyPodklad2.png", 48, 48},
        // The card of a marker's personal bests.
        {"gfx/gui/map/bests.png"},
        // The widget gallery (vornell --gallery): its backdrop and one strip
        // per button scheme, cut into 1, 8, 2 and 4 frames, and the
        // 8-frame bouncing marble.
        {"gfx/gui/gallery/tlo.png", 800, 600, true},
        {"gfx/gui/gallery/play.png"},
        {"gfx/gui/gallery/spin.png", 8 * 170, 62, true},
        {"gfx/gui/gallery/glow.png", 2 * 170, 62, true},
        {"gfx/gui/gallery/next.png", 4 * 130, 56, true},
        {"gfx/gui/gallery/bounce.png", 8 * 80, 92, true},
        // The question and the in-game menu panels (their layouts name the rest).
        {"gfx/gui/pytanie.png", 480, 250, true},
        {"gfx/gui/game/menu.png", 310, 420, true},
        // The bonus shop's panel (its layout names the rest).
        {"gfx/gui/sklep/panel.png", 560, 440, true},
        // The story's page frame, drawn over every page's picture, its
        // backdrop and the map's small story panel.
        {"gfx/gui/story/strona.png", 800, 600, true},
        {"gfx/gui/story/ekran.png", 800, 600, true},
        {"gfx/gui/story/panel_small.png"},
        // The game screen: the board's glass, the waiting rows' well, the
        // bonus buttons' socket, the time bar (stretched from its full
        // length), the side panels of one- and two-sided levels, and the
        // lost pop-up.
        {"gfx/gui/game/dark.png", 450, 450, true},
        {"gfx/gui/game/strip.png", 462, 57, true},
        {"gfx/gui/game/slot.png", 56, 56},
        {"gfx/gui/game/timebar.png", 450, 47, true},
        {"gfx/gui/game/panel.png", 220, 600},
        {"gfx/gui/game/panel1.png", 220, 600},
        {"gfx/gui/game/lost-pop-up.png", 480, 380, true},
        // The main menu's panel and profile plate, the name entry's panel
        // (centred on the screen), the play-mode panel.
        {"gfx/gui/mainmenu/menu.png", 320, 370},
        {"gfx/gui/mainmenu/changeprofile.png", 244, 80},
        {"gfx/gui/mainmenu/enter.png", 460, 280},
        {"gfx/gui/mainmenu/panel.png", 360, 340},
        // The map's drifting clouds.
        {"gfx/gui/map/chmury/chmura4.png"},
        {"gfx/gui/map/chmury/chmura5.png"},
    };
    // The backdrop of each land of the quest (the level files name them too).
    for (int n = 1; n <= kQuestLands; ++n)
        list.push_back({"gfx/backgrounds/land" + std::to_string(n) + ".jpg", 800, 600, true});
    // The shooting gallery: its panel along the bottom, the crate, the dart
    // of the ammunition bar and the fourteen balloons (the guns and the
    // crates' banners are named by their data files).
    list.push_back({"gfx/gui/shooting/panel.png", 800, 98, true});
    list.push_back({"gfx/gui/shooting/parachute.png"});
    list.push_back({"gfx/gui/shooting/rzutka.png"});
    for (const char* colour : {"brazowy", "cyjan", "czarny", "czerwony", "granat", "jasny_zielony",
                               "filoet_jasny_niebieski", "niebieski", "oliwka", "pomaranczowy", "rozowy", "szary",
                               "zielony", "zolty"})
        list.push_back({std::string("gfx/gui/shooting/balony/balon_") + colour + ".png"});
    // The picture puzzle's frame over the board, and its backdrop.
    list.push_back({"gfx/gui/puzzle/panel.png", 800, 600, true});
    list.push_back({"gfx/gui/puzzle/back.png", 800, 600, true});
    // Free play: the panel, the three tab pages over it, the frame over the
    // puzzle preview and the slider's knob (the layouts name the buttons,
    // data/zestawy.dat the pictures of its sets).
    list.push_back({"gfx/gui/freeplay/panel.png", 600, 500, true});
    for (const char* page : {"match3", "strzelanie", "puzzle"})
        list.push_back({std::string("gfx/gui/freeplay/") + page + ".png", 532, 360, true});
    list.push_back({"gfx/gui/freeplay/border.png"});
    list.push_back({"gfx/gui/freeplay/suwak.png", 40, 40});
    list.push_back({"gfx/gui/shooting/fuckyou.png"});
    // The gate's four marbles and the HUD digits.
    for (int i = 0; i < 4; ++i) list.push_back({"gfx/gui/gate/" + std::to_string(i) + ".png"});
    for (int d = 0; d < 10; ++d) list.push_back({"gfx/gui/cyfry/" + std::to_string(d) + ".png"});
    return list;
}

std::vector<Font> fonts() {
    return {
        {"fonts/font.ttf", 12},     {"fonts/font.ttf", 16},     {"fonts/blueHigh.ttf", 22},
        {"fonts/blueHigh.ttf", 26}, {"fonts/blueHigh.ttf", 36}, {"fonts/FONT.ttf", 20},
        {"fonts/font.ttf", 16},     {"fonts/font.ttf", 18},     {"fonts/font.ttf", 14},
        {"fonts/font.ttf", 12},
    };
}

}  // namespace content
