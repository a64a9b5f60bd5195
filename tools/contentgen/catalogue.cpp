#include "catalogue.h"

#include <fstream>
#include <sstream>

namespace catalogue {

namespace {

const Catalogue* g_inUse = nullptr;

std::string key(const std::string& msgid, const std::string* context) {
    return context ? *context + '\4' + msgid : msgid;
}

bool isOctal(char c) { return c >= '0' && c <= '7'; }
int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The text of one quoted PO string with its C escapes resolved; false when
// `quoted` is not one whole string.
bool unquote(const std::string& quoted, std::string& out) {
    const size_t first = quoted.find_first_not_of(" \t");
    const size_t last = quoted.find_last_not_of(" \t");
    if (first == std::string::npos || first == last || quoted[first] != '"' || quoted[last] != '"') return false;
    out.clear();
    for (size_t i = first + 1; i < last; ++i) {
        const char c = quoted[i];
        if (c == '"') return false;  // a quote inside must be escaped
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i >= last) return false;
        const char e = quoted[i];
        switch (e) {
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case 'r': out += '\r'; break;
            case 'a': out += '\a'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'v': out += '\v'; break;
            case '"': case '\\': case '\'': case '?': out += e; break;
            case 'x': {
                int value = 0, digits = 0;
                for (; i + 1 < last && hexValue(quoted[i + 1]) >= 0; ++digits)
                    value = value * 16 + hexValue(quoted[++i]);
                if (digits == 0) return false;
                out += char(value & 0xff);
                break;
            }
            default: {
                if (!isOctal(e)) return false;
                int value = e - '0';
                for (int digits = 1; digits < 3 && i + 1 < last && isOctal(quoted[i + 1]); ++digits)
                    value = value * 8 + (quoted[++i] - '0');
                out += char(value & 0xff);
            }
        }
    }
    return true;
}

bool startsWith(const std::string& text, const char* head) { return text.rfind(head, 0) == 0; }

// One entry while it is read.
struct Entry {
    bool hasContext = false, hasMsgid = false, hasMsgstr = false;
    bool fuzzy = false, obsolete = false;
    std::string context, msgid, msgstr, ignored;
};

}  // namespace

bool Catalogue::read(const std::string& path, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = path + ": cannot be read";
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    return parse(text.str(), path, error);
}

bool Catalogue::parse(const std::string& text, const std::string& name, std::string& error) {
    translations_.clear();
    Entry entry;
    std::string* field = nullptr;
    auto finish = [&] {
        // The header (empty msgid), fuzzy, obsolete and untranslated entries
        // give no translation.
        if (entry.hasMsgid && !entry.msgid.empty() && !entry.fuzzy && !entry.obsolete && !entry.msgstr.empty())
            translations_[key(entry.msgid, entry.hasContext ? &entry.context : nullptr)] = entry.msgstr;
        entry = Entry{};
        field = nullptr;
    };

    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (number == 1 && startsWith(line, "\xEF\xBB\xBF")) line.erase(0, 3);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos) {
            finish();
            continue;
        }
        line.erase(0, start);
        auto fail = [&](const std::string& what) {
            error = name + ":" + std::to_string(number) + ": " + what;
            translations_.clear();
            return false;
        };
        // A keyword after the entry's msgstr begins the next entry, even
        // without a blank line between them; so do its comments.
        const bool keyword = startsWith(line, "msgctxt") || startsWith(line, "msgid ");
        if (entry.hasMsgstr && (keyword || line[0] == '#')) finish();
        if (line[0] == '#') {
            if (startsWith(line, "#,") && line.find("fuzzy") != std::string::npos) entry.fuzzy = true;
            if (startsWith(line, "#~")) entry.obsolete = true;
            continue;
        }
        if (line[0] == '"') {
            if (!field) return fail("a string belongs to no msgid or msgstr");
            std::string more;
            if (!unquote(line, more)) return fail("not one quoted string: " + line);
            *field += more;
            continue;
        }
        const size_t space = line.find_first_of(" \t");
        const std::string word = line.substr(0, space);
        const std::string rest = space == std::string::npos ? "" : line.substr(space);
        if (word == "msgctxt") {
            entry.hasContext = true;
            field = &entry.context;
        } else if (word == "msgid") {
            entry.hasMsgid = true;
            field = &entry.msgid;
        } else if (word == "msgstr" || word == "msgstr[0]") {
            if (!entry.hasMsgid) return fail("msgstr without a msgid");
            entry.hasMsgstr = true;
            field = &entry.msgstr;
        } else if (word == "msgid_plural" || startsWith(word, "msgstr[")) {
            field = &entry.ignored;  // labels have no plural forms
        } else {
            return fail("not understood: " + line);
        }
        if (!unquote(rest, *field)) return fail("not one quoted string: " + line);
    }
    finish();
    return true;
}

const std::string* Catalogue::find(const std::string& msgid, const std::string& context) const {
    const auto found = translations_.find(key(msgid, context.empty() ? nullptr : &context));
    return found == translations_.end() ? nullptr : &found->second;
}

void use(const Catalogue* catalogue) { g_inUse = catalogue; }
bool languageRun() { return g_inUse != nullptr; }

std::string tr(const char* english) {
    if (g_inUse)
        if (const std::string* translated = g_inUse->find(english)) return *translated;
    return english;
}

}  // namespace catalogue
