#include "gui/animation.h"

#include "datafiles/fatal_error.h"
#include "datafiles/strings.h"
#include "gui/gui_file.h"
#include "gui/setting_values.h"
#include "shell/media/clock.h"
#include "shell/media/graphics.h"

std::vector<std::string> TRGMAnimation::_pobierzDeklaracje(const std::string& scheme) {
    const std::string s = trimBlank(scheme);
    if (s.empty() || s[0] != '[') fatalError("Nieprawidlowa definicja schematu : " + s);
    std::vector<std::string> pieces;
    size_t start = 0;
    while (start < s.size()) {
        size_t next = s.find('[', start + 1);
        if (next == std::string::npos) next = s.size();
        pieces.push_back(trimBlank(s.substr(start, next - start)));
        start = next;
    }
    return pieces;
}

bool TRGMAnimation::_czyZawiera(const std::string& s, const std::vector<std::string>& list) {
    for (const std::string& item : list) {
        if (item == s) return true;
    }
    return false;
}

void TRGMAnimation::interpretujSchemat(const std::string& scheme) {
    std::vector<std::string> distinct;
    TRGMAnim* normal = nullptr;
    for (const std::string& piece : _pobierzDeklaracje(scheme)) {
        auto anim = std::make_unique<TRGMAnim>();
        // A header without its closing "]" gives no group: a nameless
        // sequence without frames.
        const std::vector<std::string> header = extractMarked(piece, "[", "]");
        if (!header.empty()) {
            for (const std::string& token : splitString(header[0], " ")) {
                if (sameIgnoringCase(token, "LOOP")) anim->loop = 1;
                else if (isDigits(token)) anim->interwal = settingInteger(token);
                else anim->id = upperCase(token);
            }
            for (const std::string& token : splitString(trimBlank(removeMarked(piece, "[", "]")), " ")) {
                // Past the hundredth the frames are left out.
                if (anim->maxFrames < TRGMAnim::kPositions) anim->frame[anim->maxFrames++] = settingInteger(token);
                if (!_czyZawiera(token, distinct)) distinct.push_back(token);
            }
        }
        if (anim->id == "NORMAL" && !normal) normal = anim.get();
        animsList.push_back(std::move(anim));
    }
    if (!normal) fatalError("Schemat :" + scheme + " - nie uwzglednil animacji NORMAL!");
    playAnim(normal);
    allFrames = int(distinct.size());
}

void TRGMAnimation::loadGFX(const std::string& path) {
    TImagePtr whole = LoadImage(path, -1);
    if (!whole || allFrames <= 0) return;
    gfx = LoadAnimImage(path, whole->width / allFrames, whole->height, 0, allFrames, -1);
}

void TRGMAnimation::playAnim(TRGMAnim* anim) {
    if (!anim) fatalError("Animacja ktora chcesz wyswietlic, nie istnieje!");
    _frame = 0;
    _maxFrames = anim->maxFrames;
    currentAnim = anim;
    _animTime = clockAfter(MilliSecs(), anim->interwal);
    _wykonano = 0;
    _held = false;
}

void TRGMAnimation::playAnim(const std::string& name) {
    TRGMAnim* found = nullptr;
    if (!name.empty()) {
        const std::string wanted = upperCase(name);
        for (const auto& anim : animsList) {
            if (anim->id == wanted) {
                found = anim.get();
                break;
            }
        }
    }
    playAnim(found);
}

void TRGMAnimation::updateMe(int /*x*/, int /*y*/) {
    // The end is reported in the one update in which it was passed; a
    // sequence without LOOP then rests on its last step for good.
    _wykonano = 0;
    if (_held || MilliSecs() <= _animTime) return;
    _animTime = clockAfter(MilliSecs(), currentAnim->interwal);
    if (++_frame > _maxFrames) {
        _wykonano = 1;
        if (currentAnim->loop) {
            // Straight back to the first listed frame: going through the
            // empty step 0 would blank the picture once every cycle.
            _frame = _maxFrames > 0 ? 1 : 0;
        } else {
            _frame = _maxFrames;
            _held = true;
        }
    }
}

int TRGMAnimation::shownFrame() const {
    // Step s (1 to _maxFrames) shows the s-th listed number, so every listed
    // frame is seen once per pass; step 0 shows nothing.
    if (!currentAnim || _frame < 1 || _frame > _maxFrames) return -1;
    const int frame = currentAnim->frame[_frame - 1] - 1;
    return gfx && frame >= 0 && frame < gfx->frameCount() ? frame : -1;
}

void TRGMAnimation::draw(float /*ox*/, float /*oy*/) {
    SetScale(_scale, _scale);
    SetAlpha(_alpha);
    // Its own colour, so a tint left by the widget drawn before does not carry over.
    SetColor(rgb.r, rgb.g, rgb.b);
    const int frame = shownFrame();
    if (frame >= 0) DrawImage(gfx, dim.x, dim.y, frame);
}

std::unique_ptr<TRGMAnimation> createAnimation(const std::string& name, const std::string& gfx, float x, float y,
                                               const std::string& scheme, int visible, int active) {
    auto a = std::make_unique<TRGMAnimation>();
    a->clear();
    a->dim = createDim(int(x), int(y));
    a->interpretujSchemat(scheme);
    a->loadGFX(gfx);
    a->_id = name;
    a->_a = active;
    a->_v = visible;
    return a;
}

std::unique_ptr<TRGMAnimation> TRGMAnimation::createFromList(const std::string& name, const GuiDeclaration& d) {
    const std::vector<int> position = settingNumbers(d.value("POSITION", "0 0"), 2);
    return createAnimation(name, stripQuotes(d.value("GFX")), float(position[0]), float(position[1]),
                           stripQuotes(d.value("SCHEMAT")), settingFlag(d, "VISIBLE"), settingFlag(d, "ACTIVE"));
}
