// Line files: any bytes give lines, and every line number gives a text.
#include <cstdint>
#include <string>
#include <vector>

#include "datafiles/teksty.h"
#include "datafiles/txt_file.h"
#include "shell/media/files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const TTxtFile file = readTxtText(media::decodeText(std::vector<uint8_t>(data, data + size)));
    TTeksty texts;
    texts.fill(file);
    for (int n = -1; n <= file.lines() + 1; ++n)
        if (getTxtLine(file, n).empty() && (n < 1 || n > file.lines())) __builtin_trap();
    return 0;
}
