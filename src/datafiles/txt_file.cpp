#include "datafiles/txt_file.h"

#include "shell/media/files.h"
#include "shell/media/messages.h"

TTxtFile loadTxtFile(const std::string& path) {
    if (FileType(path) != 1) {
        Print("Napotkano problem : Nie znaleziono pliku : " + path);
        return {};
    }
    return readTxtText(LoadText(path));
}

TTxtFile readTxtText(const std::string& text) {
    TTxtFile file;
    std::string current;
    for (char c : text) {
        if (c == '\n') {
            file.txt.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) file.txt.push_back(current);
    return file;
}

std::string getTxtLine(const TTxtFile& file, int n) {
    if (n < 1 || n > file.lines()) return kMissingLineText;
    return file.txt[size_t(n - 1)];
}
