#pragma once
// Readers that take a file name get the fuzzer's bytes through a file of
// this process's own (plainly written: no sync, for speed).
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

inline std::string writeFuzzInput(const uint8_t* data, size_t size, const char* extension) {
    static const std::string path = "/tmp/vornell-fuzz-" + std::to_string(getpid()) + extension;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || (size > 0 && std::fwrite(data, 1, size, f) != size) || std::fclose(f) != 0) __builtin_trap();
    return path;
}
