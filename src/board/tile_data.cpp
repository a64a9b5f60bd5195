#include "board/tile_data.h"

#include "board/numbered_groups.h"
#include "datafiles/rcm_file.h"
#include "shell/assets.h"
#include "shell/media/media.h"

std::vector<TTileDataPtr> tileKinds;

void loadTileKinds() { loadTileKindsFrom("data/tiles1.dat"); }

void loadTileKindsFrom(const std::string& path) {
    TRCMFile file = loadRCMFile(path);
    std::vector<TTileDataPtr> kinds;
    // A kind missing from the file is left out (an empty kind of id 0 would
    // turn every empty cell code into a marble); the kinds after it still count.
    for (int i : numberedEntries(file, "tiles", "tile", "tile kinds")) {
        const std::string group = "tiles::tile" + std::to_string(i) + "::";
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
