// contentgen: draws every picture and synthesizes every sound of the game into
// a working folder, or, in a language run, draws the pictures that carry
// words with a catalogue's translations.
//
//   contentgen OUTPUT_DIR
//   contentgen --language CODE --catalogue FILE.po OUTPUT_DIR
//
// The game reads a language's pictures from lang/CODE/ before the base
// content, so a language run writes into that folder: only the pictures
// with words, at the same relative paths; no sounds.
#include <cctype>
#include <cstdio>
#include <string>

#include "catalogue.h"
#include "pictures.h"
#include "sounds.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: contentgen OUTPUT_DIR\n"
                 "       contentgen --language CODE --catalogue FILE.po OUTPUT_DIR\n");
    return 2;
}

// A language code as the catalogues are named: letters, digits, '_', '-', '@'.
bool isLanguageCode(const std::string& code) {
    if (code.empty()) return false;
    for (char c : code)
        if (!std::isalnum((unsigned char)c) && c != '_' && c != '-' && c != '@') return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::string language, cataloguePath, out;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--language" || arg == "--catalogue") && i + 1 < argc)
            (arg == "--language" ? language : cataloguePath) = argv[++i];
        else if (arg.rfind("--", 0) == 0 || !out.empty()) return usage();
        else out = arg;
    }
    if (out.empty() || language.empty() != cataloguePath.empty()) return usage();

    if (language.empty()) {
        if (!generatePictures(out)) return 1;
        if (!generateSounds(out)) return 1;
        return 0;
    }
    if (!isLanguageCode(language)) {
        std::fprintf(stderr, "contentgen: \"%s\" is not a language code\n", language.c_str());
        return 2;
    }
    catalogue::Catalogue translations;
    std::string error;
    if (!translations.read(cataloguePath, error)) {
        std::fprintf(stderr, "contentgen: %s\n", error.c_str());
        return 1;
    }
    catalogue::use(&translations);
    return generatePictures(out) ? 0 : 1;
}
