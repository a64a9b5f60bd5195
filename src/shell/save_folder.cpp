#include "shell/save_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "shell/media/media.h"

std::string saveFolder;

std::string getSpecialFolder() {
    // The game keeps its saves with the player's other application data.
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/') return data;
    std::string home;
    if (const char* env = std::getenv("HOME"); env && *env == '/') home = env;
    // Without HOME (started by a service, or with a cleared environment)
    // the account's home is still known to the system.
    if (home.empty())
        if (const passwd* account = getpwuid(getuid()); account && account->pw_dir && *account->pw_dir == '/')
            home = account->pw_dir;
    return home.empty() ? "" : home + "/.local/share";
}

void grantFolderAccess(const std::string& /*path*/) {
    // Folders here carry plain owner permissions; the save folder belongs to
    // the player who plays, and nothing in it is made world-writable.
}

void prepareSaveFolder() {
    if (const char* override = std::getenv("VORNELL_SAVE_DIR"); override && *override) {
        saveFolder = override;
    } else {
        const std::string data = getSpecialFolder();
        saveFolder = data.empty() ? "" : data + "/Vornell";
    }
    for (char& c : saveFolder) {
        if (c == '\\') c = '/';
    }
    while (saveFolder.size() > 1 && saveFolder.back() == '/') saveFolder.pop_back();
    // Parents such as ~/.local/share may be missing on a fresh account.
    if (!saveFolder.empty() && FileType(saveFolder) == 0) CreateDir(saveFolder, 1);
    if (saveFolder.empty() || FileType(saveFolder) != 2 || access(saveFolder.c_str(), W_OK | X_OK) != 0) {
        const std::string tried = saveFolder.empty() ? "no home folder" : saveFolder;
        saveFolder.clear();
        Print("MY DOCS : none (" + tried + ")");
        noteUnsaved("There is no folder the game can keep its saves in (" + tried + ").");
        return;
    }
    Print("MY DOCS : " + saveFolder);
    grantFolderAccess(saveFolder);
}

bool canSave() { return !saveFolder.empty(); }

void noteUnsaved(const std::string& message) {
    static bool told = false;
    Print(message);
    if (told) return;
    told = true;
    Notify(message + " The game goes on, but your progress cannot be saved" +
               (canSave() ? " in " + saveFolder : std::string()) + ".",
           0);
}
