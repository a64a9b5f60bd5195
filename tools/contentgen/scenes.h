#pragma once
// The painted scenes: the ten level backdrops, the free-play backdrop, the
// main menu, the quest map with its markers and panel, and the story pages.
namespace scenes {
void generate();
}
