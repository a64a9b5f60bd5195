#include "dev/story_viewer.h"

#include "app/game_objects.h"
#include "app/start.h"
#include "shell/media/media.h"

int runStoryViewer(const std::string& file) {
    initGame();
    objects().story.mainLoop(file);
    Print("story viewer: " + file + " closed");
    return 0;
}
