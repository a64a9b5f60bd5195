// contentgen: draws every picture and synthesizes every sound of the game into
// a working folder. Usage: contentgen OUTPUT_DIR
#include <cstdio>
#include <string>

#include "pictures.h"
#include "sounds.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: contentgen OUTPUT_DIR\n");
        return 2;
    }
    const std::string out = argv[1];
    if (!generatePictures(out)) return 1;
    if (!generateSounds(out)) return 1;
    return 0;
}
