#include "minigames/gun.h"

#include <algorithm>

#include "datafiles/rcm_file.h"
#include "shell/media/media.h"

std::vector<TGun> loadGuns(const std::string& path) {
    TRCMFile file;
    file.Load(path);
    std::vector<TGun> guns;
    const int count = std::clamp(file.getInt("guns::i"), 0, TGun::kMaxGuns);
    // Every gun's cartridges are darts.
    TImagePtr dart = LoadImage("gfx/gui/shooting/rzutka.png");
    MidHandleImage(dart);
    for (int i = 1; i <= count; ++i) {
        const std::string group = "guns::gun" + std::to_string(i) + "::";
        TGun g;
        g.id = file.getInt(group + "id");
        g.name = file.getString(group + "name");
        g.celnosc = file.getFloat(group + "celnosc");
        // An empty magazine could never be fired and would divide the bar by 0.
        g.magazynek = std::clamp(file.getInt(group + "ammo"), 1, TGun::kMaxMagazine);
        g.inter = file.getInt(group + "interwal");
        g.img = LoadImage(file.getString(group + "img"), 6);
        MidHandleImage(g.img);
        g.bullet = dart;
        guns.push_back(std::move(g));
    }
    return guns;
}
