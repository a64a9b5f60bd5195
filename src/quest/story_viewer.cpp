#include "quest/story_viewer.h"

#include "shell/game_objects.h"
#include "shell/media/media.h"
#include "shell/start.h"

int runStoryViewer(const std::string& file) {
    initGame();
    objects().story.mainLoop(file);
    Print("story viewer: " + file + " closed");
    return 0;
}
