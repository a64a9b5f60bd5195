#include "gui/text_entry.h"

#include "shell/media/clock.h"
#include "shell/media/graphics.h"
#include "shell/media/input.h"

bool TTextEntry::_properChar(int code) {
    return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || code == ' ';
}

void TTextEntry::updateMe(int /*x*/, int /*y*/) {
    const int c = GetChar();
    if (c == KEY_BACKSPACE) {
        // A whole character, also when a screen put a non-ASCII one there.
        while (!_txt.empty() && (static_cast<unsigned char>(_txt.back()) & 0xC0) == 0x80) _txt.pop_back();
        if (!_txt.empty()) _txt.pop_back();
    } else if (c == KEY_ENTER) {
        _clicked = 1;
    } else if (_properChar(c) && int(_txt.size()) < _maxChars) {
        _txt += char(c);
    }
    if (MilliSecs() > _czas) {
        _czas = clockAfter(MilliSecs(), _interwal);
        _trigger = !_trigger;
    }
}

void TTextEntry::draw(float ox, float oy) {
    SetScale(_scale, _scale);
    SetAlpha(_alpha);
    SetColor(rgb.r, rgb.g, rgb.b);
    SetImageFont(_font);
    std::string shown;
    if (TextWidth(_txt) < dim.w) {
        DrawText(_txt, dim.x + ox, dim.y + oy);
        shown = _txt;
    } else {
        shown = drawTextTail(_txt, int(dim.x + ox), int(dim.y + oy), dim.w);
    }
    if (_trigger) DrawRect(dim.x + float(TextWidth(shown)) + 2 + ox, dim.y + oy, _curWidth, _curHeight);
}

std::unique_ptr<TTextEntry> createTextEntry(const std::string& name, const TImageFontPtr& font, int x, int y,
                                            int width, int maxChars, int active, int visible) {
    auto e = std::make_unique<TTextEntry>();
    e->clear();
    e->_font = font;
    SetImageFont(font);
    e->dim = createDim(x, y);
    e->dim.h = TextHeight("A");
    e->dim.w = width;
    e->_curWidth = float(TextWidth("A"));
    e->_curHeight = float(TextHeight("A"));
    e->_trigger = 1;
    e->_czas = clockAfter(MilliSecs(), e->_interwal);
    e->_maxChars = maxChars;
    e->_a = active;
    e->_v = visible;
    e->_id = name;
    e->rgb = TRGB{};
    return e;
}

std::string drawTextTail(const std::string& text, int x, int y, int width) {
    for (size_t start = 0; start <= text.size(); ++start) {
        // Only whole UTF-8 characters.
        if (start < text.size() && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) continue;
        const std::string candidate = ".." + text.substr(start);
        if (TextWidth(candidate) <= width) {
            DrawText(candidate, float(x), float(y));
            return candidate;
        }
    }
    DrawText("", float(x), float(y));
    return "";
}
