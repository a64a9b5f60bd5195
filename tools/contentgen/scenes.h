#pragma once
// The painted scenes: the ten level backdrops, the free-play backdrop, the
// main menu and the quest map with its markers and panel.
namespace scenes {
void generate();
}
