#include "gui/text.h"

#include <vector>

#include "datafiles/strings.h"
#include "gui/gui_file.h"
#include "gui/rgm_font.h"
#include "gui/setting_values.h"
#include "shell/media/graphics.h"

void TText::setAlign(const std::string& name) {
    const std::string mode = upperCase(trimBlank(name));
    if (mode == "LEFT") _align = ALIGN_LEFT;
    else if (mode == "RIGHT") _align = ALIGN_RIGHT;
    else if (mode == "CENTER") _align = ALIGN_CENTER;
    else if (mode == "JUSTIFY") _align = ALIGN_JUSTIFY;
}

std::string TText::alignName() const {
    switch (_align) {
        case ALIGN_RIGHT: return "RIGHT";
        case ALIGN_CENTER: return "CENTER";
        case ALIGN_JUSTIFY: return "JUSTIFY";
        default: return "LEFT";
    }
}

void TText::draw(float ox, float oy) {
    SetColor(rgb.r, rgb.g, rgb.b);
    if (_alpha == 0) return;
    SetAlpha(_alpha);
    SetScale(_scale, _scale);
    if (_font) SetImageFont(_font);
    const int x = int(dim.x + ox), y = int(dim.y + oy), lineGap = int(_adW);
    const float width = float(dim.w);
    const TImageFontPtr font = GetImageFont();
    const Layout* l = layout_ ? &*layout_ : nullptr;
    if (!l || l->text != _txt || l->x != x || l->y != y || l->width != width || l->align != _align ||
        l->lineGap != lineGap || l->font != font) {
        int lines = 0;
        std::vector<PlacedText> pieces = layoutTextBlock(_txt, x, y, width, alignName(), lineGap, &lines);
        const int height = (TextHeight("A") + lineGap) * lines;
        layout_ = Layout{_txt, x, y, _align, lineGap, width, font, std::move(pieces), height};
        l = &*layout_;
    }
    for (const PlacedText& piece : l->pieces) DrawText(piece.text, piece.x, piece.y);
    dim.h = l->height;
}

std::string TText::odczytajTekst(const std::string& reference) { return settingText(reference); }

std::unique_ptr<TText> createText(const std::string& name, const std::string& text, float x, float y, float w,
                                  const TImageFontPtr& font, const std::string& align, int visible, int active) {
    auto t = std::make_unique<TText>();
    t->clear();
    t->dim = createDim(int(x), int(y));
    t->dim.w = int(w);
    t->_txt = text;
    t->_font = font;
    t->_id = name;
    t->_v = visible;
    t->_a = active;
    t->setAlign(align);
    t->_adW = 0;
    t->rgb = TRGB{};
    return t;
}

std::unique_ptr<TText> TText::createFromList(const std::string& name, const GuiDeclaration& d) {
    const std::vector<int> position = settingNumbers(d.value("POSITION", "0 0"), 2);
    const float width = position.size() > 2 ? float(position[2]) : 10000000.0f;
    auto t = createText(name, odczytajTekst(d.value("TXT")), float(position[0]), float(position[1]), width,
                        settingFont(d), d.value("ALIGN", "LEFT"), settingFlag(d, "VISIBLE"), settingFlag(d, "ACTIVE"));
    if (const std::string* value = d.find("RGB")) {
        const std::vector<int> n = settingNumbers(*value, 3);
        // A red part of -1 means no colour of its own: the text stays white.
        if (n[0] != -1) t->rgb = createRGB(n[0], n[1], n[2]);
    }
    return t;
}

namespace {

struct BlockLine {
    std::string text;                 // words joined by single spaces
    std::vector<std::string> words;   // the words as placed
};

void placeLine(std::vector<PlacedText>& out, const BlockLine& line, int x, float y, float width,
               const std::string& mode, bool last) {
    const std::string text = trimBlank(line.text);
    if (mode == "RIGHT") {
        out.push_back({text, float(x) + width - float(TextWidth(text)), y});
    } else if (mode == "CENTER") {
        out.push_back({text, float(x) + width / 2 - float(TextWidth(text) / 2), y});
    } else if (mode == "JUSTIFY" && !last && line.words.size() > 1) {
        std::string joined;
        for (const std::string& w : line.words) joined += w;
        const float gap = (width - float(TextWidth(joined))) / float(line.words.size() - 1);
        std::string before;
        for (size_t k = 0; k < line.words.size(); ++k) {
            out.push_back({line.words[k], float(x) + float(k) * gap + float(TextWidth(before)), y});
            before += line.words[k];
        }
    } else {
        out.push_back({text, float(x), y});
    }
}

std::string modeOf(const std::string& align) {
    const std::string mode = upperCase(trimBlank(align));
    return mode == "RIGHT" || mode == "CENTER" || mode == "JUSTIFY" ? mode : "LEFT";
}

}  // namespace

std::vector<PlacedText> layoutTextBlock(const std::string& text, int x, int y, float width, const std::string& align,
                                        int lineGap, int* lines) {
    const std::vector<std::string> words = splitString(text + " ", " ");
    const std::string mode = modeOf(align);
    const int lineHeight = TextHeight("A") + lineGap;
    std::vector<PlacedText> out;
    BlockLine line;
    int row = 0;
    for (size_t i = 0; i < words.size();) {
        const std::string& word = words[i];
        // A word too wide even for an empty line would never fit anywhere:
        // it takes a line of its own.
        if (float(TextWidth(line.text + " " + word)) <= width || line.words.empty()) {
            line.text = line.text.empty() ? word : line.text + " " + word;
            line.words.push_back(word);
            ++i;
        } else {
            placeLine(out, line, x, float(y + lineHeight * row), width, mode, false);
            line = BlockLine{};
            ++row;
        }
    }
    placeLine(out, line, x, float(y + lineHeight * row), width, mode, true);
    if (lines) *lines = row + 1;
    return out;
}

int drawTextBlock(const std::string& text, int x, int y, float width, const std::string& align,
                  const TImageFontPtr& font, int lineGap) {
    if (font) SetImageFont(font);
    int lines = 0;
    for (const PlacedText& piece : layoutTextBlock(text, x, y, width, align, lineGap, &lines))
        DrawText(piece.text, piece.x, piece.y);
    return (TextHeight("A") + lineGap) * lines;
}
