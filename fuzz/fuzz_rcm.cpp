// Structured data files: any bytes must read without a crash or a hang, and
// texts, integers and floats written by DataFileWriter must read back exactly.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "datafiles/data_file_writer.h"
#include "datafiles/rcm_file.h"
#include "shell/media/files.h"

namespace {

void lookUpEverything(const TRCMFile& file) {
    if (!file._grupa) return;
    for (const TRCMEntry& entry : file._grupa->_listaWpisow) {
        file.getString(entry._id, 0);
        file.getFloat(entry._id, int(entry._value.size()) - 1);
        file.getInt(entry._id, 0);
    }
    for (const auto& group : file._grupa->_listaGrup) {
        for (const TRCMEntry& entry : group->_listaWpisow) {
            const std::string path = group->_id + "::" + entry._id;
            file.getFloat(path, 0);
            file.getInt(path, 0);
        }
    }
}

void roundTrip(const std::string& text, const uint8_t* data, size_t size) {
    std::vector<std::string> texts;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n') {
            texts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    std::vector<int32_t> ints;
    std::vector<float> floats;
    for (size_t i = 0; i + 4 <= size && ints.size() < 16; i += 4) {
        int32_t n;
        float f;
        std::memcpy(&n, data + i, 4);
        std::memcpy(&f, data + i, 4);
        ints.push_back(n);
        floats.push_back(f);
    }

    DataFileWriter out;
    out.openGroup("g");
    out.texts("all", texts);
    for (size_t i = 0; i < texts.size(); ++i) out.text("t" + std::to_string(i), texts[i]);
    out.openGroup("numbers");
    for (size_t i = 0; i < ints.size(); ++i) {
        out.integer("i" + std::to_string(i), ints[i]);
        out.decimal("f" + std::to_string(i), floats[i]);
    }
    out.closeGroup();
    out.integer("after", 7);

    TRCMFile in;
    in.readText(out.result());
    bool same = in._grupa && in.getInt("g::after", 0) == 7;
    same = same && in.valueCount("g::all") == int(texts.size());
    for (size_t i = 0; same && i < texts.size(); ++i) {
        const std::string expected = DataFileWriter::cleanText(texts[i]);
        same = in.getString("g::t" + std::to_string(i), 0) == expected &&
               in.getString("g::all", int(i)) == expected;
    }
    for (size_t i = 0; same && i < ints.size(); ++i) {
        same = in.getInt("g::numbers::i" + std::to_string(i), 0) == ints[i];
        const float f = floats[i];
        if (std::isfinite(f)) same = same && in.getFloat("g::numbers::f" + std::to_string(i), 0) == f;
    }
    if (!same) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Console messages about broken files are expected by the thousand.
    if (!std::freopen("/dev/null", "w", stdout)) return 0;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = media::decodeText(std::vector<uint8_t>(data, data + size));
    TRCMFile file;
    file.readText(text);
    lookUpEverything(file);
    roundTrip(text, data, size);
    return 0;
}
