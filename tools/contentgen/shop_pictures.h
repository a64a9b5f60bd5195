#pragma once
// The bonus shop's panel and its "exit" button (data/gui_sklep.gui).
namespace shop_pictures {
void generate();
}
