#include "gui/gui_file.h"

#include "datafiles/fatal_error.h"
#include "datafiles/strings.h"
#include "shell/media/files.h"

namespace {

bool isSeparator(char c) {
    return c == '\n' || c == ' ' || c == '\t';
}

// Reads a nested block of a BAR declaration from tokens[at...]: its opening
// brace (not checked), then settings and deeper blocks up to its "}". Nesting
// is followed with an explicit stack, so no file can exhaust the call stack.
// nullptr when the tokens run out first; nothing of the block is kept then.
std::unique_ptr<TSmallObject> readNestedBlock(const std::string& kind, const std::string& name,
                                              const std::vector<std::string>& tokens, size_t& at) {
    struct Level {
        std::unique_ptr<TSmallObject> block;
        int position = 1;
        std::string key;
    };
    auto start = [](const std::string& blockKind, const std::string& blockName) {
        Level level;
        level.block = std::make_unique<TSmallObject>();
        level.block->_typ = blockKind;
        level.block->_name = blockName;
        return level;
    };
    std::vector<Level> open;
    open.push_back(start(kind, name));
    if (at >= tokens.size()) return nullptr;
    ++at;  // the opening brace
    while (at < tokens.size()) {
        const std::string& token = tokens[at++];
        Level& top = open.back();
        if (trimBlank(token) == "}") {
            std::unique_ptr<TSmallObject> done = std::move(top.block);
            open.pop_back();
            if (open.empty()) return done;
            open.back().block->_tokeny.push_back(TSmallObjectItem{{}, std::move(done)});
            open.back().position = 1;
            continue;
        }
        switch (top.position) {
        case 1:
            top.key = token;
            top.position = 2;
            break;
        case 2:
            if (trimBlank(token) == "=") {
                top.position = 3;
            } else {
                // "KEY name {": a deeper block named by this token.
                Level child = start(top.key, token);
                open.push_back(std::move(child));
                if (at >= tokens.size()) return nullptr;
                ++at;  // its opening brace
            }
            break;
        default:
            top.block->_tokeny.push_back(TSmallObjectItem{TSimpleEntry{top.key, token}, nullptr});
            top.position = 1;
            break;
        }
    }
    return nullptr;
}

}  // namespace

TSmallObject::~TSmallObject() {
    std::vector<std::unique_ptr<TSmallObject>> pending;
    for (auto& item : _tokeny)
        if (item.block) pending.push_back(std::move(item.block));
    while (!pending.empty()) {
        std::unique_ptr<TSmallObject> block = std::move(pending.back());
        pending.pop_back();
        for (auto& item : block->_tokeny)
            if (item.block) pending.push_back(std::move(item.block));
    }
}

const std::string* GuiDeclaration::find(const std::string& key) const {
    for (auto it = settings.rbegin(); it != settings.rend(); ++it)
        if (sameIgnoringCase(it->_typ, key)) return &it->_value;
    return nullptr;
}

std::string GuiDeclaration::value(const std::string& key, const std::string& otherwise) const {
    const std::string* found = find(key);
    return found ? *found : otherwise;
}

std::vector<std::string> tokenizeGuiText(const std::string& text) {
    std::vector<std::string> tokens;
    std::string current;
    bool quoted = false;
    for (char c : text) {
        if (isSeparator(c) && !quoted) {
            tokens.push_back(trimBlank(current));
            current.clear();
        } else if (c == '"') {
            quoted = !quoted;
        } else {
            current += c;
        }
    }
    if (!trimBlank(current).empty()) tokens.push_back(current);
    return tokens;
}

std::vector<std::vector<std::string>> stworzListyTokenow(const std::string& text) {
    std::vector<std::vector<std::string>> declarations;
    std::vector<std::string> current;
    long depth = 0;
    for (const std::string& token : tokenizeGuiText(text)) {
        const std::string trimmed = trimBlank(token);
        if (trimmed == "}") {
            if (depth == 1) {
                declarations.push_back(std::move(current));
                current.clear();
                depth = 0;
            } else {
                --depth;
                current.push_back(token);
            }
        } else if (trimmed.empty()) {
            continue;
        } else {
            current.push_back(token);
            if (trimmed == "{") ++depth;
        }
    }
    if (!current.empty()) declarations.push_back(std::move(current));
    return declarations;
}

GuiDeclaration readGuiDeclaration(const std::vector<std::string>& tokens) {
    GuiDeclaration declaration;
    size_t at = 0;
    if (at < tokens.size()) declaration.kind = upperCase(trimBlank(tokens[at++]));
    if (at < tokens.size()) declaration.name = tokens[at++];
    if (at < tokens.size()) ++at;  // the opening brace

    int position = 1;
    std::string key;
    while (at < tokens.size()) {
        const std::string& token = tokens[at++];
        switch (position) {
        case 1:
            key = token;
            position = 2;
            break;
        case 2:
            if (trimBlank(token) == "=") {
                position = 3;
            } else if (declaration.kind != "BAR") {
                fatalError("Nieprawidlowy wpis :" + token);
            } else {
                if (auto block = readNestedBlock(key, token, tokens, at)) declaration.blocks.push_back(std::move(*block));
                position = 1;
            }
            break;
        default:
            declaration.settings.push_back(TSimpleEntry{key, token});
            position = 1;
            break;
        }
    }
    // A key left without "=" and value at the end is ignored.
    return declaration;
}

std::vector<GuiDeclaration> readGuiText(const std::string& text) {
    std::vector<GuiDeclaration> declarations;
    for (const auto& tokens : stworzListyTokenow(text)) declarations.push_back(readGuiDeclaration(tokens));
    return declarations;
}

std::vector<GuiDeclaration> loadGuiFile(const std::string& url) {
    return readGuiText(LoadText(url));
}
