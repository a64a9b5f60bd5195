#pragma once
// The pop-ups' pictures: the question, the in-game menu, the help page and
// the settings, with their buttons.
namespace popup_pictures {
void generate();
}
