#pragma once

// The desktop icon: three glass marbles on the game's violet tile, drawn at
// every size the desktop asks for (gfx/icons/vornell-<size>.png).
namespace app_icon {
inline constexpr int kSizes[] = {16, 32, 48, 64, 128, 256};
void generate();
}  // namespace app_icon
