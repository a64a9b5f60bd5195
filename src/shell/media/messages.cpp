#include "shell/media/messages.h"

#include <cstdio>

#include "shell/media/backend.h"

void Print(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    media::backend::consoleLine(text);
}

void Notify(const std::string& text, int /*serious*/) {
    if (!media::backend::showMessageBox(text)) Print("NOTIFY: " + text);
}
