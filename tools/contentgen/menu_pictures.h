#pragma once
// The main menu and what opens over it: the menu panel, the profile plate,
// the name entry, the profile list, the play-mode choice, their buttons, and
// the quest map's two buttons.
namespace menu_pictures {
void generate();
}
