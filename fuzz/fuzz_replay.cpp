// Session recordings: any bytes are refused or read, and whatever is read
// plays through to its end without a crash, a clock overflow or a hang.
#include <cstdint>
#include <string>

#include "shell/media/replay.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    media::Recording rec;
    std::string error;
    if (!media::parseRecording(std::string(reinterpret_cast<const char*>(data), size), rec, error)) return 0;
    media::ReplayReader reader(std::move(rec));
    int seed = 0;
    while (reader.seed(seed)) {
    }
    int delivered = 0;
    auto count = [&](const media::ReplayEvent& e) {
        if (e.kind == 's' && (e.name.empty() || e.name.find('/') != std::string::npos)) __builtin_trap();
        ++delivered;
    };
    for (int frame = 0; !reader.finished(); ++frame) {
        for (int i = 0; i < 3; ++i) {
            reader.clock();
            reader.poll(count);
        }
        reader.frameEnd(count);
    }
    return 0;
}
