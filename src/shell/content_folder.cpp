#include "shell/content_folder.h"

#include <cstdio>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool holdsContent(const fs::path& folder) {
    std::error_code error;
    return fs::is_directory(folder / "data", error);
}

}  // namespace

std::optional<fs::path> findContentFolder(const fs::path& workingFolder, const fs::path& programFolder) {
    if (holdsContent(workingFolder)) return workingFolder;
    if (programFolder.empty()) return std::nullopt;
    for (const fs::path& candidate : {programFolder / ".." / "share" / "vornell", programFolder / "game"})
        if (holdsContent(candidate)) return candidate.lexically_normal();
    return std::nullopt;
}

bool enterContentFolder() {
    std::error_code error;
    const fs::path working = fs::current_path(error);
    // Linux names the running program here; elsewhere only the working folder counts.
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    const std::optional<fs::path> content = findContentFolder(working, error ? fs::path() : program.parent_path());
    if (content && *content == working) return true;
    if (content) fs::current_path(*content, error);
    if (!content || error) {
        std::fprintf(stderr, "Vornell cannot find its data folder (data/ here, or share/vornell beside the program)\n");
        return false;
    }
    return true;
}
