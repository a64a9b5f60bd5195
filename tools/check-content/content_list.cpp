#include "content_list.h"

namespace content {

const char* const kTileKinds = "data/tiles1.dat";
const char* const kBonusButtons = "data/bonusy_tiles.dat";
const char* const kLevelCatalogue = "data/levels.dat";

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
