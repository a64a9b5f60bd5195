#pragma once
// Where the player's saves live, and what the game says when it cannot save.
#include <string>

// The per-machine save folder, "/" separators, no trailing separator; ""
// when there is no folder the game may write to, and then nothing is saved.
extern std::string saveFolder;
bool canSave();
// Sets saveFolder: VORNELL_SAVE_DIR when given, else Vornell in the
// platform's folder for application data; made when missing.
void prepareSaveFolder();
// The platform's folder for per-user application data: $XDG_DATA_HOME, else
// .local/share in the account's home ("" when there is no home).
std::string getSpecialFolder();
void grantFolderAccess(const std::string& path);
// A save that could not be written: said on the console every time, and to
// the player once per run, so a folder that cannot be written does not
// interrupt play again and again.
void noteUnsaved(const std::string& message);
