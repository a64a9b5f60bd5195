// Widget schemes and text layout from .gui values: any text must build an
// animated button or a sprite animation (or end in the game's fatal
// message), step through its frames without reading outside its tables,
// and lay out as a text block without hanging.
#include <cstdint>
#include <string>
#include <vector>

#include "datafiles/fatal_error.h"
#include "gui/animation.h"
#include "gui/button.h"
#include "gui/text.h"
#include "shell/media/clock.h"
#include "shell/media/files.h"

namespace {

struct FatalRaised {};

void unwind(const std::string&) {
    throw FatalRaised{};
}

void button(const std::string& scheme) {
    TButton b;
    b._typ = ANIM_BUTTON;
    b.interpretujSchemat(scheme, 0);
    for (int i = 0; i < 12; ++i) {
        b._over = i % 3 == 0;
        b._clicked = i % 5 == 0;
        b._a = i % 7 != 0;
        b.sprawdzAnimacje();
        b.animUpdate();
        b.shownFrame();
        Delay(50);
    }
}

void animation(const std::string& scheme) {
    TRGMAnimation a;
    a.interpretujSchemat(scheme);
    for (int i = 0; i < 12; ++i) {
        a.update(0, 0);
        a.shownFrame();
        Delay(50);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setFatalHandler(unwind);
    media::resetClock(true, 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::string text = media::decodeText(std::vector<uint8_t>(data + 1, data + size));
    try {
        if (data[0] & 1) button(text);
        else animation(text);
    } catch (const FatalRaised&) {
    }
    // The built-in font measures text without a display.
    layoutTextBlock(text, 0, 0, float(data[0]), data[0] & 2 ? "JUSTIFY" : "CENTER", 0);
    return 0;
}
