// soundgen: only the sounds and music of contentgen. Usage: soundgen OUTPUT_DIR
#include <cstdio>
#include <string>

#include "sounds.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundgen OUTPUT_DIR\n");
        return 2;
    }
    return generateSounds(argv[1]) ? 0 : 1;
}
