#pragma once
// Text files, file-system queries and content path lookup.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Texts are UTF-8 in memory throughout the game.

// Whole file as text. Encoding by the first bytes: FF FE UTF-16LE, FE FF
// UTF-16BE, EF BB BF UTF-8, anything else Latin-1. "" when unreadable.
std::string LoadText(const std::string& path);
// Creates or replaces the file atomically (the old file survives a failure
// midway). Latin-1 when every character fits, else FF FE + UTF-16LE.
bool SaveText(const std::string& text, const std::string& path);

// 0 nothing there, 1 a file, 2 a folder.
int FileType(const std::string& path);
int64_t FileSize(const std::string& path);
// Creates the folder; recurse 0 creates only the last level. True on success
// or when it already exists.
bool CreateDir(const std::string& path, int recurse = 0);

namespace media {

// The path as it exists on disk, matching each name without regard to letter
// case ("fonts/FONT.ttf" finds "fonts/font.ttf"). A relative path is looked
// for in the content overlay first. The path itself when nothing matches.
std::string resolvePath(const std::string& path);

// A folder whose files stand in for the content's own: a relative path found
// under it is read from there ("lang/de" holds a language's texts and
// pictures). "" for none, as at start.
void setContentOverlay(const std::string& folder);
const std::string& contentOverlay();
// Where a relative path lies under that folder, or "" when it is not there.
std::string overlaidPath(const std::string& folder, const std::string& path);

// A file larger than this is read as missing: no file the game reads comes
// near it, and a hostile one cannot take the machine's memory.
inline constexpr size_t kMaxFileBytes = size_t(64) << 20;
std::optional<std::vector<uint8_t>> readFileBytes(const std::string& path);
// Write name.tmp beside the target, fsync, rename over it, fsync the folder.
bool writeFileAtomic(const std::string& path, const void* data, size_t size);

// Files that belong together (a save made of several files) are replaced as
// one: every new file is written as name.new, then the journal naming them
// all, then each is renamed over its old file and the journal removed. A
// crash at any moment leaves either the whole old set or, once the journal
// exists, the whole new set, which finishPendingWrites completes.
struct FileWrite {
    std::string path;
    std::vector<uint8_t> bytes;
};
bool writeFilesTogether(const std::vector<FileWrite>& files, const std::string& journal);
// Completes a set whose journal survived a crash; call before reading the
// set. True when nothing was pending or all of it was completed.
bool finishPendingWrites(const std::string& journal);

// Code points <-> UTF-8. Malformed UTF-8 bytes decode as Latin-1 characters.
std::string toUtf8(const std::u32string& text);
std::u32string fromUtf8(const std::string& text);
// The file encodings of LoadText and SaveText.
std::string decodeText(const std::vector<uint8_t>& bytes);
std::vector<uint8_t> encodeText(const std::string& text);

}  // namespace media
