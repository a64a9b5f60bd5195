#pragma once
// Static text widgets and word-wrapped, aligned text blocks.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gui/gui_object.h"
#include "shell/media/font.h"

struct GuiDeclaration;

enum TextAlign : int { ALIGN_RIGHT = 0, ALIGN_LEFT = 1, ALIGN_CENTER = 2, ALIGN_JUSTIFY = 3 };

// One piece of a laid-out text block: what to draw where.
struct PlacedText {
    std::string text;
    float x, y;
};

// A block of text wrapped to dim.w, its left-top corner at dim.x, dim.y.
// dim.h becomes the block's height each time it is drawn. It takes no part
// in pointer tests.
class TText : public TGuiObject {
public:
    int _align = ALIGN_LEFT;
    std::string _txt;
    float _adW = 0;          // extra pixels between lines
    TImageFontPtr _font;     // none: the current font

    TText() { _class = GUI_TEXT; }

    // "LEFT", "RIGHT", "CENTER", "JUSTIFY" (any case); others change nothing.
    void setAlign(const std::string& name);
    // The name of the current alignment.
    std::string alignName() const;
    void draw(float ox, float oy) override;

    static std::unique_ptr<TText> createFromList(const std::string& name, const GuiDeclaration& declaration);
    // A caption or "[path|n]", line n of that line file.
    static std::string odczytajTekst(const std::string& reference);

private:
    // The block as last wrapped, and what it was wrapped from: it is wrapped
    // again only when the words, place, width, alignment, line gap or font
    // change, not every frame.
    struct Layout {
        std::string text;
        int x = 0, y = 0, align = 0, lineGap = 0;
        float width = 0;
        TImageFontPtr font;
        std::vector<PlacedText> pieces;
        int height = 0;
    };
    std::optional<Layout> layout_;
};

std::unique_ptr<TText> createText(const std::string& name, const std::string& text, float x, float y, float w,
                                  const TImageFontPtr& font, const std::string& align, int visible, int active);

// Where drawTextBlock puts each line (or, in a justified line, each word)
// in the current font. `lines` receives the number of lines.
std::vector<PlacedText> layoutTextBlock(const std::string& text, int x, int y, float width, const std::string& align,
                                        int lineGap, int* lines = nullptr);

// Draws text word-wrapped to `width` from (x, y), aligned "LEFT" (default),
// "RIGHT", "CENTER" or "JUSTIFY" (the last line of a justified block is left
// aligned). A given font becomes the current one. A word too wide for the
// width gets a line of its own. Returns the block's height: line height
// (text height + lineGap) times the number of lines.
int drawTextBlock(const std::string& text, int x, int y, float width, const std::string& align,
                  const TImageFontPtr& font, int lineGap);
