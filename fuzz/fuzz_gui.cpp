// .gui files: any bytes must either read or end in the game's fatal message;
// never a crash, a hang or a leak. The value helpers run on every value.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "datafiles/fatal_error.h"
#include "datafiles/strings.h"
#include "gui/gui_file.h"
#include "gui/setting_values.h"
#include "shell/media/files.h"

namespace {

struct FatalRaised {};

// Only this harness unwinds from a fatal error; the game itself stops there.
void unwind(const std::string&) {
    throw FatalRaised{};
}

void readValues(const std::vector<GuiDeclaration>& declarations) {
    for (const GuiDeclaration& d : declarations) {
        for (const TSimpleEntry& e : d.settings) {
            settingNumbers(e._value, 3);
            settingTruth(e._value);
            splitString(e._value, ",", "[", "]");
            try {
                extractMarked(e._value, "[", "]");
                removeMarked(e._value, "(", ")");
            } catch (const FatalRaised&) {
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setFatalHandler(unwind);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = media::decodeText(std::vector<uint8_t>(data, data + size));
    try {
        readValues(readGuiText(text));
    } catch (const FatalRaised&) {
    }
    return 0;
}
