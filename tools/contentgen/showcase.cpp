#include "showcase.h"
namespace showcase {
void paintFreePlay(art::Canvas&) {}
void paintMainMenu(art::Canvas&) {}
}
