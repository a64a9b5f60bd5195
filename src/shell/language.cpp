#include "shell/language.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "shell/media/files.h"
#include "shell/media/image.h"

namespace language {

namespace {

std::string inUse = kEnglish;
int changeCount = 0;

// "pt_BR.UTF-8@euro" -> "pt_BR"; "de-AT" -> "de_AT".
std::string localeName(const std::string& locale) {
    std::string name = locale.substr(0, locale.find_first_of(".@"));
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

std::string languagePart(const std::string& name) { return name.substr(0, name.find('_')); }

bool sameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return std::tolower(x) == std::tolower(y); });
}

std::string trimmed(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

std::vector<std::string> available() {
    std::vector<std::string> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(kFolder, error)) {
        const std::string code = entry.path().filename().string();
        if (code != kEnglish && FileType(std::string(kFolder) + "/" + code + "/data/teksty.txt") == 1)
            found.push_back(code);
    }
    std::sort(found.begin(), found.end());
    found.insert(found.begin(), kEnglish);
    return found;
}

std::vector<std::string> offered() {
    std::vector<std::string> languages = available();
    std::erase(languages, std::string(kPseudo));
    return languages;
}

std::string match(const std::string& locale, const std::vector<std::string>& languages) {
    const std::string name = localeName(locale);
    if (name.empty()) return "";
    for (const std::string& code : languages)
        if (sameName(code, name)) return code;
    const std::string wanted = languagePart(name);
    for (const std::string& code : languages)
        if (sameName(code, wanted)) return code;
    for (const std::string& code : languages)
        if (sameName(languagePart(code), wanted)) return code;
    return "";
}

std::string fromEnvironment(const std::vector<std::string>& languages,
                            const std::function<const char*(const char*)>& variable) {
    if (const char* list = variable("LANGUAGE")) {
        const std::string entries = list;
        size_t start = 0;
        while (start <= entries.size()) {
            const size_t end = std::min(entries.find(':', start), entries.size());
            const std::string found = match(entries.substr(start, end - start), languages);
            if (!found.empty()) return found;
            start = end + 1;
        }
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = variable(name);
        if (!value || !*value) continue;
        const std::string found = match(value, languages);
        return found.empty() ? kEnglish : found;
    }
    return kEnglish;
}

std::string readChoice(const std::string& path, const std::vector<std::string>& languages) {
    const std::string code = trimmed(LoadText(path));
    const bool known = std::find(languages.begin(), languages.end(), code) != languages.end();
    return known ? code : "";
}

bool saveChoice(const std::string& path, const std::string& code) { return SaveText(code + "\n", path); }

std::string folderOf(const std::string& code) {
    return code.empty() || code == kEnglish ? "" : std::string(kFolder) + "/" + code;
}

std::string fileOf(const std::string& code, const std::string& path) {
    const std::string folder = folderOf(code);
    if (!folder.empty()) return folder + "/" + path;
    // Outside the overlay: an absolute path is never looked for in it.
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

const std::string& current() { return inUse; }
int changes() { return changeCount; }

void use(const std::string& code) {
    inUse = code.empty() ? kEnglish : code;
    ++changeCount;
    const std::string previous = media::contentOverlay();
    media::setContentOverlay(folderOf(inUse));
    if (previous != media::contentOverlay()) media::reloadOverlaidImages(previous);
}

}  // namespace language
