#pragma once
// The clickable widget, in six schemes chosen by the declaration's TYP:
//
//   SIMPLE_BUTTON      one picture; grows to 1.1 while hovered, snaps back on a click
//   ANIM_BUTTON        a frame strip with named animations (NORMAL, OVER, ACTIVE, UNACTIVE)
//   BLEND_BUTTON       two frames; the second fades in over the first while hovered
//   FSTEP_BUTTON       four frames: normal, hovered, pressed, inactive
//   TEXT_BUTTON        an outlined caption that grows while hovered; grey when inactive
//   TEXT_SPEC_BUTTON1  an outlined caption with a wave running through its letters
//
// Picture schemes are anchored at their centre, captions at their middle
// (the wave caption at its baseline).
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "gui/gui_object.h"
#include "shell/media/font.h"
#include "shell/media/image.h"

struct GuiDeclaration;

enum ButtonScheme : int {
    SIMPLE_BUTTON = 0,
    ANIM_BUTTON = 1,
    BLEND_BUTTON = 2,
    FSTEP_BUTTON = 3,
    TEXT_BUTTON = 4,
    TEXT_SPEC_BUTTON1 = 5,
};

// The frame table of an animated button: up to 10 named animations of up to
// 100 frame numbers each. Frame numbers count from 1 (number k shows strip
// frame k - 1).
struct TAnimData {
    static constexpr int kAnims = 10;
    static constexpr int kPositions = 100;

    int frameN[kAnims][kPositions] = {};
    int frames[kAnims] = {};     // frame numbers listed per animation
    int maxFrames[kAnims] = {};  // the same count
    int anims = 0;
    std::string animName[kAnims];  // upper-cased; "" is a free slot
    int animFrames = 0;            // highest frame number listed
    int animTime = 0;              // clock time (ms) the next frame is due
    int frameDelta[kAnims] = {};   // ms per frame

    // The slot of that name; fatal when there is none.
    int getAnimByName(const std::string& name) const;
    // The slot of that name, taking a free one for a new name; fatal when all
    // ten hold other names.
    int dodajNazwe(const std::string& name);
    int liczbaKlatek() const { return animFrames; }
};

class TButton : public TGuiObject {
public:
    TImagePtr _image;
    TImageFontPtr _font;
    int _typ = SIMPLE_BUTTON;
    int _dir = 0;  // strip direction: 0 horizontal, 1 vertical
    std::optional<TRGB> outLine;
    TAnimData _animData;
    int frames = 0;  // frames in the strip
    int currentAnim = 0;
    int currentFrame = 0;
    int _activeFlag = 0, _overFlag = 0, _unactiveFlag = 0;
    // Unnamed animations keep index 0, the first animation of the scheme.
    int _animNormal = 0, _animActive = 0, _animOver = 0, _animUnActive = 0;
    float _buttonAlpha = 1, _dButtonAlpha = 1;
    float _buttonScale = 1, _dButtonScale = 1;
    std::string _txt;
    std::array<float, 200> _textScale{};
    float _chrN = 0;
    int _wykonano = 0;  // the playing animation has run through all its frames
    float _textHeight = 0;
    float _bigText = 2.0f;

    TButton() {
        _class = GUI_BUTTON;
        _textScale.fill(1.0f);
    }

    void setDeltaTime(int ms, int index);
    // Reads an animation scheme: "[NORMAL] 1 2 3 2 [OVER(80)] 4 5 6 [ACTIVE(60)] 7 8".
    // A name in brackets starts an animation (its frame time in ms in
    // parentheses, 500 when left out); the numbers after it are its frames.
    void interpretujSchemat(const std::string& scheme, int dir);
    void updateScaleAndAlpha();
    // Picks the animation for the pointer and activity of this frame.
    void sprawdzAnimacje();
    void animUpdate();
    void playAnim(const std::string& name);
    void drawMyTextSpec(const std::string& caption, float x, float y);
    void countDims2();
    // The strip frame the animated and four-step schemes show now, or -1
    // for none (an animation without frames, or a listed 0).
    int shownFrame() const;
    void draw(float ox, float oy) override;
    // A warm glow hugging the picture or the caption, pulsing gently.
    void drawFocus(float ox, float oy) override;
    void countDims() override;

    // The button of a BUTTON declaration, or nullptr for an unknown TYP.
    static std::unique_ptr<TButton> CreateFromList(const std::string& name, const GuiDeclaration& declaration);

    static std::unique_ptr<TButton> createSimpleButton(const std::string& name, const std::string& gfx, float x,
                                                       float y, int visible, int active);
    static std::unique_ptr<TButton> createSimpleButton(const std::string& name, const TImagePtr& image, float x,
                                                       float y, int visible, int active);
    static std::unique_ptr<TButton> createAnimButton(const std::string& name, const std::string& gfx, float x,
                                                     float y, const std::string& scheme, int dir, int visible,
                                                     int active);
    static std::unique_ptr<TButton> createStepButton(const std::string& name, const std::string& gfx, float x,
                                                     float y, int dir, int visible, int active);
    static std::unique_ptr<TButton> createBlendButton(const std::string& name, const std::string& gfx, float x,
                                                      float y, int dir, int visible, int active);
    static std::unique_ptr<TButton> createTextButton(const std::string& name, const std::string& caption,
                                                     const TImageFontPtr& font, float x, float y,
                                                     std::optional<TRGB> colour, std::optional<TRGB> outline,
                                                     int visible, int active);
    static std::unique_ptr<TButton> createSpecTextButton(const std::string& name, const std::string& caption,
                                                         const TImageFontPtr& font, float x, float y,
                                                         std::optional<TRGB> colour, std::optional<TRGB> outline,
                                                         int visible, int active);

protected:
    void updateMe(int x, int y) override;

private:
    // Cuts the picture into `count` frames along direction `dir` (0
    // horizontal, 1 vertical), which become the button's strip.
    void loadStrip(const std::string& gfx, int dir, int count);
    void textCorners();
    void updateWave();
};
