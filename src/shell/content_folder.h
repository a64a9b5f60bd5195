#pragma once
// Where the game's pictures, sounds and data live. The game reads them by
// paths relative to its working folder, so it starts by moving there.
#include <filesystem>
#include <optional>

// The folder holding data/: the working folder itself when it does; else,
// beside the program, the installed share/vornell (program in <prefix>/bin,
// or <prefix>/games as Debian installs games) or the build tree's game/
// (program in the build folder).
std::optional<std::filesystem::path> findContentFolder(const std::filesystem::path& workingFolder,
                                                       const std::filesystem::path& programFolder);

// Makes the content folder the working folder; false (with a message on
// standard error) when there is none.
bool enterContentFolder();
