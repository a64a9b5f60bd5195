#include "datafiles/strings.h"

#include <algorithm>

#include "datafiles/fatal_error.h"

namespace {

bool startsAt(const std::string& s, size_t pos, const std::string& part) {
    return !part.empty() && pos + part.size() <= s.size() && s.compare(pos, part.size(), part) == 0;
}

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

// Walks s once for extractMarked and removeMarked: `inside` receives the
// groups' characters, `outside` the rest; `closed` is called at each group end.
template <typename Inside, typename Outside, typename Closed>
void walkMarked(const std::string& s, const std::string& openMark, const std::string& closeMark, Inside inside,
                Outside outside, Closed closed) {
    bool quoted = false;
    bool inGroup = false;
    for (size_t i = 0; i < s.size();) {
        char c = s[i];
        if (c == '"') {
            quoted = !quoted;
            ++i;
            continue;
        }
        if (!quoted) {
            if (inGroup && startsAt(s, i, closeMark)) {
                inGroup = false;
                closed();
                i += closeMark.size();
                continue;
            }
            if (startsAt(s, i, openMark)) {
                if (inGroup) fatalError("BLAD! Nieprawidlowa definicja znacznika wewnatrz zmiennej _str$ :" + s);
                inGroup = true;
                i += openMark.size();
                continue;
            }
            if (startsAt(s, i, closeMark)) {
                fatalError("BLAD! Nieprawidlowa definicja znacznika wewnatrz zmiennej _str$ :" + s);
            }
        }
        if (inGroup)
            inside(c);
        else
            outside(c);
        ++i;
    }
}

}  // namespace

std::vector<std::string> splitString(const std::string& s, const std::string& separator,
                                     const std::string& openMark, const std::string& closeMark) {
    std::vector<std::string> pieces;
    std::string current;
    const bool marks = !openMark.empty() && !closeMark.empty();
    bool inGroup = false;
    for (size_t i = 0; i < s.size();) {
        if (!inGroup && startsAt(s, i, separator)) {
            pieces.push_back(current);
            current.clear();
            i += separator.size();
            continue;
        }
        if (marks) {
            // Same mark both ways: whichever applies toggles the group.
            if (inGroup && startsAt(s, i, closeMark)) {
                inGroup = false;
                i += closeMark.size();
                continue;
            }
            if (!inGroup && startsAt(s, i, openMark)) {
                inGroup = true;
                i += openMark.size();
                continue;
            }
            // A stray mark is still a mark, never part of a piece.
            if (startsAt(s, i, closeMark)) {
                i += closeMark.size();
                continue;
            }
            if (startsAt(s, i, openMark)) {
                i += openMark.size();
                continue;
            }
        }
        current += s[i];
        ++i;
    }
    if (!current.empty()) pieces.push_back(current);
    return pieces;
}

std::string stripQuotes(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s)
        if (c != '"') out += c;
    return out;
}

bool isDigits(const std::string& s) {
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

std::vector<std::string> extractMarked(const std::string& s, const std::string& openMark,
                                       const std::string& closeMark) {
    std::vector<std::string> groups;
    std::string current;
    walkMarked(
        s, openMark, closeMark, [&](char c) { current += c; }, [](char) {},
        [&] {
            groups.push_back(current);
            current.clear();
        });
    return groups;
}

std::string removeMarked(const std::string& s, const std::string& openMark, const std::string& closeMark) {
    std::string out;
    walkMarked(
        s, openMark, closeMark, [](char) {}, [&](char c) { out += c; }, [] {});
    return out;
}

std::vector<std::string> dropBlank(const std::vector<std::string>& items) {
    std::vector<std::string> kept;
    for (const std::string& item : items)
        if (!trimBlank(item).empty()) kept.push_back(item);
    return kept;
}

std::string trimBlank(const std::string& s) {
    size_t begin = 0;
    size_t end = s.size();
    while (begin < end && isBlank(s[begin])) ++begin;
    while (end > begin && isBlank(s[end - 1])) --end;
    return s.substr(begin, end - begin);
}

std::string upperCase(const std::string& s) {
    std::string out = s;
    for (char& c : out) c = upper(c);
    return out;
}

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i])) return false;
    return true;
}

std::string minutesAndSeconds(int ms) {
    const auto twoDigits = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    const int s = std::max(ms, 0) / 1000;
    return twoDigits(s / 60) + ":" + twoDigits(s % 60);
}
