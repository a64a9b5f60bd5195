#include "board/tile_data.h"

#include "datafiles/rcm_file.h"
#include "shell/media/media.h"
#include "shell/start.h"

std::vector<TTileDataPtr> tileKinds;

void loadTileKinds() { loadTileKindsFrom("data/tiles1.dat"); }

void loadTileKindsFrom(const std::string& path) {
    TRCMFile file = loadRCMFile(path);
    std::vector<TTileDataPtr> kinds;
    const int count = file.getInt("tiles::ilosc");
    for (int i = 1; i <= count; ++i) {
        const std::string group = "tiles::tile" + std::to_string(i) + "::";
        // A count far beyond the kinds present would only add empty kinds.
        if (!file.getGroup(group + "id")) {
            Print("Napotkano problem : " + path + " has no tile" + std::to_string(i) + "; " +
                  std::to_string(i - 1) + " tile kinds read");
            break;
        }
        auto kind = std::make_shared<TTileData>();
        for (int set = 0; set < 3; ++set) {
            const std::string picture = file.getString(group + "img" + std::to_string(set + 1));
            kind->img[size_t(set)] = loadImageOrFail(picture, FILTEREDIMAGE | MIPMAPPEDIMAGE);
        }
        kind->id = file.getInt(group + "id");
        kind->rgb = createRGB(file.getInt(group + "rgb", 0), file.getInt(group + "rgb", 1),
                              file.getInt(group + "rgb", 2));
        for (const TImagePtr& picture : kind->img) MidHandleImage(picture);
        kinds.push_back(std::move(kind));
    }
    tileKinds = std::move(kinds);
}

TTileDataPtr tileKindForCode(int code) {
    if (code > 100) code -= 100;
    return tileKindById(code);
}

TTileDataPtr tileKindById(int id) {
    for (const TTileDataPtr& kind : tileKinds)
        if (kind->id == id) return kind;
    return nullptr;
}
