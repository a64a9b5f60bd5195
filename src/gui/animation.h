#pragma once
// Decorative frame animations: a horizontal strip and named sequences of
// frames, each with its own step time and an optional loop:
//
//   [NORMAL 120 LOOP] 1 2 3 4 3 2 [WAVE 80] 5 6 7 6 5
//
// Frame numbers count from 1: number k shows strip frame k - 1, and the
// strip holds as many frames as the scheme has distinct numbers.
#include <memory>
#include <string>
#include <vector>

#include "gui/gui_object.h"
#include "shell/media/image.h"

struct GuiDeclaration;

// One named sequence.
struct TRGMAnim {
    static constexpr int kPositions = 100;
    std::string id;          // upper-cased name
    int frame[kPositions] = {};
    int maxFrames = 0;       // frame numbers listed
    int interwal = 0;        // ms per step
    int loop = 0;
};

class TRGMAnimation : public TGuiObject {
public:
    TImagePtr gfx;
    int allFrames = 0;  // frames in the strip
    std::vector<std::unique_ptr<TRGMAnim>> animsList;  // scheme order
    TRGMAnim* currentAnim = nullptr;
    // Step counter: 0 (before the first step) shows nothing, 1 to _maxFrames
    // show the listed frames in order; a loop goes from the last step to 1.
    int _frame = 0;
    int _maxFrames = 0;
    int _animTime = 0;  // clock time (ms) of the next step
    int _wykonano = 0;  // 1 in the update in which the sequence ran past its last step

    TRGMAnimation() { _class = GUI_ANIMATION; }

    void draw(float ox, float oy) override;
    // The sequence declarations of a scheme, one per "[": fatal when the
    // scheme does not start with one.
    static std::vector<std::string> _pobierzDeklaracje(const std::string& scheme);
    void loadGFX(const std::string& path);
    void interpretujSchemat(const std::string& scheme);
    static bool _czyZawiera(const std::string& s, const std::vector<std::string>& list);
    static std::unique_ptr<TRGMAnimation> createFromList(const std::string& name, const GuiDeclaration& declaration);
    // Starts a sequence from its first step; an unknown name is fatal.
    void playAnim(TRGMAnim* anim);
    void playAnim(const std::string& name);
    // The strip frame the current step shows, or -1 for none.
    int shownFrame() const;

protected:
    void updateMe(int x, int y) override;

private:
    bool _held = false;  // a sequence without LOOP has stopped on its last step
};

std::unique_ptr<TRGMAnimation> createAnimation(const std::string& name, const std::string& gfx, float x, float y,
                                               const std::string& scheme, int visible, int active);
