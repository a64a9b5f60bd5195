// Input scripts of test runs: any text is refused with its line or parsed
// into events in time order, which the clock then delivers one by one.
#include <cstdint>
#include <string>

#include "shell/media/input_script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    media::InputScript script;
    std::string error;
    if (!script.parse(std::string(reinterpret_cast<const char*>(data), size), error)) {
        if (error.find("line ") == std::string::npos) __builtin_trap();
        return 0;
    }
    int last = 0;
    for (const media::ScriptEvent& e : script.events()) {
        if (e.time < last) __builtin_trap();
        last = e.time;
    }
    script.start(0);
    size_t delivered = 0;
    for (int now = 0; now <= last && delivered <= script.events().size(); now += 1 + last / 64)
        while (script.nextDue(now)) ++delivered;
    while (script.nextDue(last)) ++delivered;
    if (delivered > script.events().size()) __builtin_trap();
    return 0;
}
