#include "board/level_manager.h"

#include "board/numbered_groups.h"
#include "datafiles/rcm_file.h"
#include "datafiles/strings.h"
#include "shell/media/media.h"

int TLevelManager::setup() { return setupFrom("data/levels.dat"); }

int TLevelManager::setupFrom(const std::string& path) {
    TRCMFile file = loadRCMFile(path);
    std::vector<TLevelData> list;
    // An entry missing from the file is left out; the entries after it still count.
    for (int i : numberedEntries(file, "levels", "level", "levels")) {
        const std::string group = "levels::level" + std::to_string(i) + "::";
        TLevelData entry;
        entry.nr = file.getInt(group + "nr");
        entry.pos = createDim(file.getInt(group + "dim", 0), file.getInt(group + "dim", 1));
        entry.name = file.getString(group + "name");
        entry.url = file.getString(group + "url");
        entry.gfxUrl = file.getString(group + "gfxurl");
        entry.v = file.getInt(group + "v");
        entry.typ = file.getInt(group + "typ");
        list.push_back(std::move(entry));
    }
    levels = std::move(list);
    return 0;
}

const TLevelData* TLevelManager::getLevelData(int nr) const {
    for (const TLevelData& entry : levels)
        if (entry.nr == nr) return &entry;
    return nullptr;
}

TLevelPtr TLevelManager::loadLevel(int nr) {
    const TLevelData* entry = getLevelData(nr);
    if (!entry) {
        Print("Napotkano problem : no level " + std::to_string(nr) + " in the level catalogue");
        return nullptr;
    }
    const TRCMFile file = loadRCMFile(entry->url);
    // A missing or unreadable file (every level file names its type) is no
    // level at all; an empty board in its place would look playable.
    if (!file.findEntry("level::typ")) {
        Print("Napotkano problem : level " + std::to_string(nr) + " (" + entry->url + ") cannot be read");
        return nullptr;
    }
    auto level = std::make_shared<TLevel>();
    if (!level->_loadData(file, "level::")) {
        Print("Napotkano problem : level " + std::to_string(nr) + " (" + entry->url + ") cannot be played");
        return nullptr;
    }
    level->url = entry->url;
    if (level->kind() == "NORMAL") level->_loadTiles(file, "level::");
    return level;
}

TLevelPtr TLevelManager::createNewLevel() {
    auto level = std::make_shared<TLevel>();
    level->clear();
    level->available = tileKinds;
    return level;
}

std::vector<TTileDataPtr> TLevelManager::_loadLevelBonusData(int nr) {
    std::vector<TTileDataPtr> kinds;
    const TLevelData* entry = getLevelData(nr);
    if (!entry) return kinds;
    const TRCMFile file = loadRCMFile(entry->url);
    for (const std::string& field : splitString(file.getString("level::bonus"), " ")) {
        const double k = readDecimal(field);
        if (k > 0 && k < 1000)
            if (TTileDataPtr kind = tileKindById(100 + int(k))) kinds.push_back(std::move(kind));
    }
    return kinds;
}
