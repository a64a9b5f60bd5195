#include "datafiles/rcm_file.h"

#include <locale.h>
#include <stdlib.h>

#include <cfloat>
#include <climits>
#include <cmath>

#include "datafiles/strings.h"
#include "shell/media/files.h"
#include "shell/media/messages.h"

namespace {

bool isSpace(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Numbers in data files always use a decimal point, whatever the user's locale.
locale_t plainLocale() {
    static locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return locale;
}

}  // namespace

TRCMGroup::~TRCMGroup() {
    std::vector<std::unique_ptr<TRCMGroup>> pending = std::move(_listaGrup);
    while (!pending.empty()) {
        std::unique_ptr<TRCMGroup> group = std::move(pending.back());
        pending.pop_back();
        for (auto& child : group->_listaGrup) pending.push_back(std::move(child));
        group->_listaGrup.clear();
    }
}

const TRCMGroup* TRCMGroup::getGroup(const std::string& name) const {
    for (const auto& group : _listaGrup)
        if (sameIgnoringCase(group->_id, name)) return group.get();
    return nullptr;
}

const TRCMEntry* TRCMGroup::getEntry(const std::string& name) const {
    for (const TRCMEntry& entry : _listaWpisow)
        if (sameIgnoringCase(entry._id, name)) return &entry;
    return nullptr;
}

void TRCMFile::Load(const std::string& path) {
    _path = path;
    _grupa.reset();
    _txt.clear();
    if (FileType(path) != 1) {
        errorMsg("Nie znaleziono pliku : " + path);
        return;
    }
    readText(LoadText(path));
}

void TRCMFile::readText(const std::string& text) {
    _txt = text;
    _grupa.reset();
    if (!checkTxt()) return;
    _grupa = readAll(_txt, "MAINGROUP");
}

bool TRCMFile::checkTxt() {
    // A closing brace as the very last character still ends its group's
    // last line.
    if (!_txt.empty() && _txt.back() == '}') _txt += '\n';
    return checkGroups();
}

bool TRCMFile::checkGroups() {
    long opening = 0;
    long closing = 0;
    bool quoted = false;
    for (char c : _txt) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == '{')
            ++opening;
        else if (!quoted && c == '}')
            ++closing;
    }
    if (opening != closing) {
        errorMsg("Blad nawiasow klamrowych! \"{\" - " + std::to_string(opening) + " \"}\" - " +
                 std::to_string(closing));
        return false;
    }
    return true;
}

std::unique_ptr<TRCMGroup> TRCMFile::readAll(const std::string& text, const std::string& name) const {
    // One frame per open group. Reading is iterative so that deeply nested
    // braces cannot exhaust the stack. Braces inside double quotes are text,
    // exactly as checkGroups counts them, so a group that passed the check
    // always finds its own closing brace.
    struct Frame {
        TRCMGroup* group;
        size_t start;         // index just after the group's opening brace
        std::string pending;  // text since the last line end: a group name
        std::string line;     // the current line
        bool equals = false;  // the line holds "="
    };
    auto root = std::make_unique<TRCMGroup>();
    root->_id = name;
    std::vector<Frame> open;
    open.push_back(Frame{root.get(), 0, {}, {}, false});
    bool quoted = false;

    for (size_t i = 0; i < text.size() && !open.empty(); ++i) {
        const char c = text[i];
        Frame& top = open.back();
        if (c == '"') quoted = !quoted;
        if (!quoted && c == '{') {
            auto group = std::make_unique<TRCMGroup>();
            group->_id = trimBlank(top.pending);
            TRCMGroup* raw = group.get();
            top.group->_listaGrup.push_back(std::move(group));
            top.pending.clear();
            top.line.clear();
            top.equals = false;
            open.push_back(Frame{raw, i + 1, {}, {}, false});
        } else if (!quoted && c == '}') {
            top.group->_pos = i + 1 - top.start;
            open.pop_back();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            // Part of a CR LF line end: files read the same with either kind.
        } else if (c == '\n') {
            // A line without "=" is carried over into the next one.
            if (top.equals) {
                top.group->_listaWpisow.push_back(readEntry(trimBlank(top.line)));
                top.pending.clear();
                top.line.clear();
                top.equals = false;
            }
        } else {
            if (c == '=') top.equals = true;
            top.pending += c;
            top.line += c;
        }
    }
    // Groups still open ran to the end of the text; their _pos stays 0.
    return root;
}

TRCMEntry TRCMFile::readEntry(const std::string& line) {
    TRCMEntry entry;
    std::vector<std::string> parts = splitString(line, "=");
    const std::string key = parts.empty() ? std::string() : parts[0];
    const std::string values = parts.size() > 1 ? parts[1] : std::string();
    entry._id = trimBlank(key);
    const std::string trimmed = trimBlank(values);
    const char first = trimmed.empty() ? '\0' : trimmed[0];
    entry._type = (isDigit(first) || first == '-') ? TRCMEntry::TYPE_NUMBER : TRCMEntry::TYPE_STRING;
    for (const std::string& piece : splitOutsideQuotes(values, ",")) {
        if (entry._type == TRCMEntry::TYPE_NUMBER)
            entry._value.push_back(piece);
        else  // drop the space before the opening quote, and both quotes
            entry._value.push_back(piece.size() >= 3 ? piece.substr(2, piece.size() - 3) : std::string());
    }
    // "key =" with nothing after it: one empty value, so lookups stay simple.
    if (entry._value.empty()) entry._value.emplace_back();
    return entry;
}

void TRCMFile::errorMsg(const std::string& message) const {
    Print("Napotkano problem : " + message);
}

const TRCMGroup* TRCMFile::getGroup(const std::vector<std::string>& names) const {
    const TRCMGroup* group = _grupa.get();
    for (size_t i = 0; group && i + 1 < names.size(); ++i) group = group->getGroup(names[i]);
    return group;
}

const TRCMGroup* TRCMFile::getGroup(const std::string& path) const {
    return getGroup(splitString(path, "::"));
}

const TRCMEntry* TRCMFile::findEntry(const std::string& path) const {
    std::vector<std::string> names = splitString(path, "::");
    if (names.empty()) return nullptr;
    const TRCMGroup* group = getGroup(names);
    return group ? group->getEntry(names.back()) : nullptr;
}

std::string TRCMFile::getString(const std::string& path, int index) const {
    const TRCMEntry* entry = findEntry(path);
    if (!entry || index < 0 || size_t(index) >= entry->_value.size()) return {};
    return entry->_value[size_t(index)];
}

float TRCMFile::getFloat(const std::string& path, int index) const {
    double value = readDecimal(getString(path, index));
    if (value > FLT_MAX) return FLT_MAX;
    if (value < -FLT_MAX) return -FLT_MAX;
    return float(value);
}

int TRCMFile::getInt(const std::string& path, int index) const {
    double value = std::trunc(readDecimal(getString(path, index)));
    if (value >= double(INT_MAX)) return INT_MAX;
    if (value <= double(INT_MIN)) return INT_MIN;
    return int(value);
}

int TRCMFile::valueCount(const std::string& path) const {
    const TRCMEntry* entry = findEntry(path);
    return entry ? int(entry->_value.size()) : 0;
}

TRCMFile loadRCMFile(const std::string& path) {
    TRCMFile file;
    file.Load(path);
    return file;
}

std::vector<std::string> splitOutsideQuotes(const std::string& text, const std::string& separator) {
    std::vector<std::string> pieces;
    std::string current;
    bool quoted = false;
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '"') quoted = !quoted;
        if (!quoted && !separator.empty() && i + separator.size() <= text.size() &&
            text.compare(i, separator.size(), separator) == 0) {
            pieces.push_back(current);
            current.clear();
            i += separator.size();
            continue;
        }
        current += c;
        ++i;
    }
    if (!current.empty()) pieces.push_back(current);
    return pieces;
}

double readDecimal(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && isSpace(text[i])) ++i;
    const size_t start = i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    // An exponent counts only when it has digits ("2e" is just 2).
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) ++j;
            i = j;
        }
    }
    const std::string number = text.substr(start, i - start);
    double value = strtod_l(number.c_str(), nullptr, plainLocale());
    if (value > DBL_MAX) return DBL_MAX;
    if (value < -DBL_MAX) return -DBL_MAX;
    return value;
}
