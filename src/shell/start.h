#pragma once
// The program's entry, start-up, per-frame tick and shutdown.
#include <string>

#include "shell/media/font.h"
#include "shell/media/image.h"

// The per-machine save folder, "/" separators, no trailing separator; ""
// when there is no folder the game may write to, and then nothing is saved.
extern std::string saveFolder;
bool canSave();
// The one-pixel hit-test picture of the shooting gallery.
extern TImagePtr imgMousePoint;

// The ten image fonts loaded at start-up; other code names a font by its file
// and size.
struct TFontSet {
    TImageFontPtr font_font12, font_font16, font_blueHigh22, font_blueHigh26, font_blueHigh36, font_FONT20,
        font_font16b, font_font18, font_font14, font_font12b;

    void load();
    // The loaded font for "fonts/FILE" at that size (file compared without
    // regard to case), or none.
    TImageFontPtr find(const std::string& file, int size) const;
};
extern TFontSet fonts;

// initGame, the intro, the top-level state machine, then quitGame.
[[noreturn]] void runGame();
// Everything loaded behind the loading screen, which then fades to black.
void initGame();
// Opens the 800 x 600 display: full screen when fullScreen is not 0.
void setGraphicsMode(int fullScreen, int hertz);
void prepareSaveFolder();
// The platform's folder for per-user application data: $XDG_DATA_HOME, else
// .local/share in the account's home ("" when there is no home).
std::string getSpecialFolder();
void grantFolderAccess(const std::string& path);
// LoadImage, with a message to the player when the picture is missing.
TImagePtr loadImageOrFail(const std::string& path, int flags = -1);
// Once per frame of every screen: timing, events, Alt+F4 and close requests.
void frameTick();
[[noreturn]] void quitGame();
// A save that could not be written: said on the console every time, and to
// the player once per run, so a folder that cannot be written does not
// interrupt play again and again.
void noteUnsaved(const std::string& message);
