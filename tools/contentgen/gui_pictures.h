#pragma once
// The loading screen, cursors, menu logo, HUD digits and bonus buttons.
namespace gui_pictures {
void generate();
}
