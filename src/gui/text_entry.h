#pragma once
// The one-line text input (the player's name): letters and spaces up to a
// limit, backspace, and enter, which reports the entry as clicked. A block
// cursor blinks after the text. Screens add it with TGui::addItem.
#include <memory>
#include <string>

#include "gui/gui_object.h"
#include "shell/media/font.h"

class TTextEntry : public TGuiObject {
public:
    std::string _txt;
    TImageFontPtr _font;
    int _maxChars = 10;     // most characters accepted
    float _curWidth = 0;     // cursor block: the width of "A"
    float _curHeight = 0;    // and the font's height
    int _czas = 0;           // clock time (ms) of the next blink
    int _trigger = 0;        // the cursor block is shown
    int _interwal = 300;     // blink half-period, ms

    TTextEntry() { _class = GUI_TEXT_ENTRY; }

    void draw(float ox, float oy) override;
    // Letters A to Z, a to z, and space.
    static bool _properChar(int code);
    void setInterval(int ms) { _interwal = ms; }
    const std::string& getTxt() const { return _txt; }
    // Replaces the text as it is (no limit applied).
    void setTxt(const std::string& text) { _txt = text; }

protected:
    // One typed character a frame, whether the entry is shown or not.
    void updateMe(int x, int y) override;
};

std::unique_ptr<TTextEntry> createTextEntry(const std::string& name, const TImageFontPtr& font, int x, int y,
                                            int width, int maxChars, int active, int visible);

// Draws the end of a text too long for `width`: ".." and as much of the end
// as fits, at (x, y). Returns what was drawn ("" when not even ".." fits).
std::string drawTextTail(const std::string& text, int x, int y, int width);
