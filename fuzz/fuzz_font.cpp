// Font files: any bytes are refused or give a font whose glyphs all render
// into its atlas and whose texts measure without a crash or a hang.
#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz_file.h"
#include "shell/media/font.h"

// The readers' console lines would only slow the fuzzer down.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (!std::freopen("/dev/null", "w", stdout)) return 0;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = writeFuzzInput(data, size, ".ttf");
    for (const int pixels : {12, 40}) {
        const TImageFontPtr font = LoadImageFont(path, pixels);
        if (!font) return 0;
        if (font->textWidth("Vornell 0123 \u0141\u00F3d\u017A") < 0) __builtin_trap();
        for (char32_t c : {U'A', U'g', U'0', U'\u0142', U'\u20AC', U'\uFFFD'}) {
            const TImageFont::Glyph& g = font->glyph(c);
            const TImagePtr& atlas = font->atlas();
            if (g.w < 0 || g.h < 0 || g.x + g.w > atlas->width || g.y + g.h > atlas->height) __builtin_trap();
        }
    }
    return 0;
}
