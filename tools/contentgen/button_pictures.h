#pragma once
// Glossy pill buttons in their four looks (normal, hovered, pressed,
// inactive), the strips the button schemes cut them from, a bouncing marble
// strip, and the backdrop of the widget gallery.
namespace button_pictures {
void generate();
}
