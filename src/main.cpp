// Vornell: a match-3 marble game.
#include "app/game_objects.h"
#include "app/start.h"
#include "dev/board_viewer.h"
#include "dev/dialog_viewer.h"
#include "dev/play_level.h"
#include "dev/story_viewer.h"
#include "dev/widget_gallery.h"
#include "shell/content_folder.h"
#include "shell/media/graphics.h"

#include <csignal>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    // A save past the account's file-size limit fails like a full disk, and
    // the game says so and plays on, instead of being killed by the signal.
    std::signal(SIGXFSZ, SIG_IGN);
    if (!enterContentFolder()) return 1;
    SetAppTitle("Vornell");
    objects();
    for (int i = 1; i < argc; ++i) {
        // Developer view of one level file's board (not reachable in play).
        if (std::strcmp(argv[i], "--board-viewer") == 0 && i + 1 < argc) std::exit(runBoardViewer(argv[i + 1]));
        // Developer screen: every widget kind at once (not reachable in play).
        if (std::strcmp(argv[i], "--gallery") == 0) std::exit(runWidgetGallery());
        // Developer screen: the pop-ups and the gate (not reachable in play).
        if (std::strcmp(argv[i], "--dialogs") == 0) std::exit(runDialogViewer());
        // Developer view of one story file (not reachable in play).
        if (std::strcmp(argv[i], "--story") == 0 && i + 1 < argc) std::exit(runStoryViewer(argv[i + 1]));
        // Developer entry: one quest level with the save folder's player (not reachable in play).
        if (std::strcmp(argv[i], "--play-level") == 0 && i + 1 < argc) std::exit(runPlayLevel(std::atoi(argv[i + 1])));
    }
    runGame();
}
