#include "shell/media/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <strings.h>

namespace media {

namespace {

bool exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

// Every entry of `dir` whose name equals `name` ignoring case, exact
// spelling first.
std::vector<std::string> spellingsOf(const std::string& dir, const std::string& name) {
    std::vector<std::string> found;
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return found;
    while (dirent* e = ::readdir(d)) {
        if (::strcasecmp(e->d_name, name.c_str()) == 0) found.push_back(e->d_name);
    }
    ::closedir(d);
    std::sort(found.begin(), found.end(), [&](const std::string& x, const std::string& y) {
        return (x == name) > (y == name) || ((x == name) == (y == name) && x < y);
    });
    return found;
}

// The names of `path` from position `start` on, below the folder `resolved`
// (which ends in "/" or is empty); "" when no spelling of them exists. Two
// folders may differ only in case ("mainMenu" and "mainmenu"): each is tried.
std::string resolveFrom(const std::string& path, size_t start, const std::string& resolved) {
    while (start < path.size() && path[start] == '/') ++start;
    if (start >= path.size()) return resolved;
    size_t slash = path.find('/', start);
    if (slash == std::string::npos) slash = path.size();
    const std::string name = path.substr(start, slash - start);
    for (const std::string& spelling : spellingsOf(resolved.empty() ? "." : resolved, name)) {
        std::string candidate = resolved + spelling;
        if (slash < path.size()) candidate += '/';
        if (slash >= path.size()) return candidate;
        std::string rest = resolveFrom(path, slash + 1, candidate);
        if (!rest.empty()) return rest;
    }
    return "";
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

}  // namespace

namespace {
std::string overlay;
}  // namespace

void setContentOverlay(const std::string& folder) { overlay = folder; }
const std::string& contentOverlay() { return overlay; }

std::string overlaidPath(const std::string& folder, const std::string& path) {
    if (folder.empty() || path.empty() || path[0] == '/') return "";
    if (const std::string over = folder + "/" + path; exists(over)) return over;
    // The overlay spells its names as the content does: a path written in
    // another letter case is looked for under the content's spelling.
    if (exists(path)) return "";
    const std::string spelt = resolveFrom(path, 0, "");
    if (spelt.empty()) return "";
    const std::string over = folder + "/" + spelt;
    return exists(over) ? over : "";
}

std::string resolvePath(const std::string& path) {
    if (const std::string over = overlaidPath(overlay, path); !over.empty()) return over;
    if (path.empty() || exists(path)) return path;
    const bool absolute = path[0] == '/';
    const std::string resolved = resolveFrom(path, absolute ? 1 : 0, absolute ? "/" : "");
    return resolved.empty() ? path : resolved;
}

std::optional<std::vector<uint8_t>> readFileBytes(const std::string& path) {
    // Only plain files: a content path naming a device, a pipe or a folder
    // would otherwise block or read without end.
    int fd = ::open(resolvePath(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > off_t(kMaxFileBytes)) {
        ::close(fd);
        return std::nullopt;
    }
    std::vector<uint8_t> bytes;
    bytes.reserve(size_t(st.st_size));
    uint8_t buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return std::nullopt;
        }
        if (bytes.size() + size_t(n) > kMaxFileBytes) {  // it grew while being read
            ::close(fd);
            return std::nullopt;
        }
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    ::close(fd);
    return bytes;
}

namespace {

// Writes the bytes to a new file at `path` and makes them durable.
bool writeAndSync(const std::string& path, const void* data, size_t size) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const char* p = static_cast<const char*>(data);
    size_t left = size;
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            ::unlink(path.c_str());
            return false;
        }
        p += n;
        left -= size_t(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        ::unlink(path.c_str());
        return false;
    }
    return true;
}

std::string folderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

// Makes renames and removals in the folder durable.
void syncFolder(const std::string& dir) {
    int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

}  // namespace

bool writeFileAtomic(const std::string& path, const void* data, size_t size) {
    const std::string tmp = path + ".tmp";
    if (!writeAndSync(tmp, data, size)) return false;
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        ::unlink(tmp.c_str());
        return false;
    }
    syncFolder(folderOf(path));
    return true;
}

bool writeFilesTogether(const std::vector<FileWrite>& files, const std::string& journal) {
    // 1. Every new file beside its old one; the old set is untouched so far.
    std::vector<std::string> written;
    std::string list;
    for (const FileWrite& f : files) {
        const std::string fresh = f.path + ".new";
        if (!writeAndSync(fresh, f.bytes.data(), f.bytes.size())) {
            for (const std::string& w : written) ::unlink(w.c_str());
            return false;
        }
        written.push_back(fresh);
        list += f.path + '\n';
    }
    // 2. The journal names the complete new set; from the moment it exists
    // the new set wins, even if the program dies before step 3 ends.
    if (!writeFileAtomic(journal, list.data(), list.size())) {
        for (const std::string& w : written) ::unlink(w.c_str());
        return false;
    }
    // 3. Every new file over its old one.
    return finishPendingWrites(journal);
}

bool finishPendingWrites(const std::string& journal) {
    auto list = readFileBytes(journal);
    if (!list) return true;
    bool ok = true;
    std::string path;
    std::vector<std::string> folders;
    for (uint8_t byte : *list) {
        if (byte != '\n') {
            path += char(byte);
            continue;
        }
        const std::string fresh = path + ".new";
        // A file already moved by an earlier, interrupted finish has no .new left.
        if (::access(fresh.c_str(), F_OK) == 0 && ::rename(fresh.c_str(), path.c_str()) != 0) ok = false;
        const std::string dir = folderOf(path);
        if (std::find(folders.begin(), folders.end(), dir) == folders.end()) folders.push_back(dir);
        path.clear();
    }
    for (const std::string& dir : folders) syncFolder(dir);
    if (!ok) return false;
    ::unlink(journal.c_str());
    syncFolder(folderOf(journal));
    return true;
}

std::string toUtf8(const std::u32string& text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) appendUtf8(out, c);
    return out;
}

std::u32string fromUtf8(const std::string& text) {
    std::u32string out;
    out.reserve(text.size());
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    size_t n = text.size();
    for (size_t i = 0; i < n;) {
        unsigned char c = s[i];
        int len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        char32_t cp = 0;
        bool ok = len > 0 && i + len <= n;
        if (ok) {
            cp = len == 1 ? c : len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
            for (int k = 1; k < len; ++k) {
                if ((s[i + k] & 0xC0) != 0x80) {
                    ok = false;
                    break;
                }
                cp = (cp << 6) | (s[i + k] & 0x3F);
            }
        }
        if (ok) {
            out += cp;
            i += len;
        } else {
            out += char32_t(c);  // a stray byte reads as Latin-1
            ++i;
        }
    }
    return out;
}

std::string decodeText(const std::vector<uint8_t>& b) {
    std::string out;
    size_t n = b.size();
    if (n >= 2 && ((b[0] == 0xFF && b[1] == 0xFE) || (b[0] == 0xFE && b[1] == 0xFF))) {
        const bool little = b[0] == 0xFF;
        out.reserve(n);
        for (size_t i = 2; i + 1 < n; i += 2) {
            char32_t unit = little ? (b[i] | (b[i + 1] << 8)) : ((b[i] << 8) | b[i + 1]);
            if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < n) {
                char32_t low = little ? (b[i + 2] | (b[i + 3] << 8)) : ((b[i + 2] << 8) | b[i + 3]);
                if (low >= 0xDC00 && low < 0xE000) {
                    unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                    i += 2;
                }
            }
            appendUtf8(out, unit);
        }
        return out;
    }
    if (n >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) {
        // Re-encode so that malformed bytes become valid characters.
        return toUtf8(fromUtf8(std::string(b.begin() + 3, b.end())));
    }
    out.reserve(n);
    for (uint8_t c : b) appendUtf8(out, c);
    return out;
}

std::vector<uint8_t> encodeText(const std::string& text) {
    std::u32string chars = fromUtf8(text);
    bool latin1 = true;
    for (char32_t c : chars) {
        if (c > 255) {
            latin1 = false;
            break;
        }
    }
    std::vector<uint8_t> out;
    if (latin1) {
        out.reserve(chars.size());
        for (char32_t c : chars) out.push_back(uint8_t(c));
        return out;
    }
    out.reserve(2 + chars.size() * 2);
    out.push_back(0xFF);
    out.push_back(0xFE);
    auto unit = [&](uint32_t u) {
        out.push_back(uint8_t(u & 0xFF));
        out.push_back(uint8_t(u >> 8));
    };
    for (char32_t c : chars) {
        if (c >= 0x10000) {
            c -= 0x10000;
            unit(0xD800 + (c >> 10));
            unit(0xDC00 + (c & 0x3FF));
        } else {
            unit(c);
        }
    }
    return out;
}

}  // namespace media

std::string LoadText(const std::string& path) {
    auto bytes = media::readFileBytes(path);
    if (!bytes) return {};
    return media::decodeText(*bytes);
}

bool SaveText(const std::string& text, const std::string& path) {
    std::vector<uint8_t> bytes = media::encodeText(text);
    return media::writeFileAtomic(path, bytes.data(), bytes.size());
}

int FileType(const std::string& path) {
    struct stat st;
    if (::stat(media::resolvePath(path).c_str(), &st) != 0) return 0;
    if (S_ISDIR(st.st_mode)) return 2;
    return S_ISREG(st.st_mode) ? 1 : 0;
}

int64_t FileSize(const std::string& path) {
    struct stat st;
    if (::stat(media::resolvePath(path).c_str(), &st) != 0) return -1;
    return int64_t(st.st_size);
}

bool CreateDir(const std::string& path, int recurse) {
    if (path.empty()) return false;
    if (recurse) {
        for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
            std::string parent = path.substr(0, slash);
            if (::mkdir(parent.c_str(), 0755) != 0 && errno != EEXIST) return false;
        }
    }
    if (::mkdir(path.c_str(), 0755) == 0) return true;
    return errno == EEXIST && FileType(path) == 2;
}
