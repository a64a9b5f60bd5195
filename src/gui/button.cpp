#include "gui/button.h"

#include <algorithm>
#include <vector>

#include "datafiles/fatal_error.h"
#include "datafiles/strings.h"
#include "gui/gui_file.h"
#include "gui/rgm_font.h"
#include "gui/setting_values.h"
#include "shell/delta_time.h"
#include "shell/media/clock.h"
#include "shell/media/graphics.h"
#include "shell/media/numbers.h"

namespace {

// Calls visit(c) for each character of a caption in turn, each a whole
// UTF-8 sequence, so the wave enlarges letters rather than bytes. A letter
// fits inside the string's own storage: walking a caption every frame
// allocates nothing.
template <class Visit>
void forEachCharacter(const std::string& text, Visit visit) {
    std::string c;
    for (size_t i = 0; i < text.size();) {
        size_t n = 1;
        while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) ++n;
        c.assign(text, i, n);
        visit(c);
        i += n;
    }
}

std::optional<TRGB> colourSetting(const GuiDeclaration& d, const char* key, bool noneWord) {
    const std::string* value = d.find(key);
    if (!value) return TRGB{};
    const std::string text = stripQuotes(*value);
    if (noneWord && text == "NONE") return std::nullopt;
    const std::vector<int> n = settingNumbers(text, 3);
    // In a caption colour a red part of -1 means "no colour of its own".
    if (!noneWord && n[0] == -1) return std::nullopt;
    return createRGB(n[0], n[1], n[2]);
}

std::unique_ptr<TButton> baseButton(const std::string& name, float x, float y, int visible, int active, int typ) {
    auto b = std::make_unique<TButton>();
    b->clear();
    b->_id = name;
    b->dim = createDim(int(x), int(y));
    b->_v = visible;
    b->_a = active;
    b->_typ = typ;
    return b;
}

}  // namespace

// ------------------------------------------------------------ frame table

int TAnimData::getAnimByName(const std::string& name) const {
    const std::string wanted = upperCase(name);
    for (int i = 0; i < kAnims; ++i) {
        if (!animName[i].empty() && animName[i] == wanted) return i;
    }
    fatalError("Podanej nazwy animacji nie ma na liscie animacji obiektu! Nazwa :" + name);
}

int TAnimData::dodajNazwe(const std::string& name) {
    const std::string wanted = upperCase(name);
    for (int i = 0; i < kAnims; ++i) {
        if (animName[i].empty()) {
            animName[i] = wanted;
            ++anims;
            return i;
        }
        if (animName[i] == wanted) return i;
    }
    fatalError("Nie mozna dodac wiecej niz 10 animacji!");
}

// ------------------------------------------------------------ construction

void TButton::setDeltaTime(int ms, int index) {
    if (index >= 0 && index < TAnimData::kAnims) _animData.frameDelta[index] = ms;
}

void TButton::interpretujSchemat(const std::string& scheme, int dir) {
    _dir = dir;
    int current = -1;
    _activeFlag = _overFlag = _unactiveFlag = 0;
    bool normalNamed = false;
    for (const std::string& piece : dropBlank(splitString(scheme, " ", "[", "]"))) {
        if (isDigits(piece)) {
            // Numbers before any name, and numbers past the hundredth of one
            // animation, have nowhere to go and are left out.
            if (current < 0) continue;
            int& count = _animData.frames[current];
            if (count >= TAnimData::kPositions) continue;
            const int number = settingInteger(piece);
            _animData.frameN[current][count] = number;
            ++count;
            _animData.maxFrames[current] = count;
            _animData.animFrames = std::max(_animData.animFrames, number);
            continue;
        }
        std::string name = trimBlank(piece);
        int time = 500;
        const std::vector<std::string> groups = extractMarked(name, "(", ")");
        if (groups.size() == 1) {
            time = settingInteger(trimBlank(groups[0]));
            name = trimBlank(removeMarked(name, "(", ")"));
        }
        current = _animData.dodajNazwe(name);
        _animData.frameDelta[current] = time;
        const std::string upper = upperCase(name);
        if (upper == "ACTIVE") {
            _activeFlag = 1;
            _animActive = current;
        } else if (upper == "OVER") {
            _overFlag = 1;
            _animOver = current;
        } else if (upper == "UNACTIVE") {
            _unactiveFlag = 1;
            _animUnActive = current;
        } else if (upper == "NORMAL") {
            normalNamed = true;
            _animNormal = current;
        }
    }
    if (!normalNamed) fatalError("Blad! Nie okreslono znacznika animacji [NORMAL] w schemacie:" + scheme);
    frames = _animData.liczbaKlatek();
    playAnim("NORMAL");
}

void TButton::loadStrip(const std::string& gfx, int dir, int count) {
    _dir = dir;
    frames = count;
    TImagePtr whole = LoadImage(gfx, -1);
    if (!whole) return;
    const int W = whole->width, H = whole->height;
    const int n = std::max(count, 1);
    const int fw = _dir == 0 ? W / n : W;
    const int fh = _dir == 0 ? H : H / n;
    // A strip that cannot be cut into that many frames shows nothing.
    _image = LoadAnimImage(gfx, fw, fh, 0, n, -1);
    SetImageHandle(_image, float(fw / 2), float(fh / 2));
    dim.x1 = int(dim.x - float(fw / 2));
    dim.y1 = int(dim.y - float(fh / 2));
    dim.x2 = int(dim.x + float(fw / 2));
    dim.y2 = int(dim.y + float(fh / 2));
    dim.w = fw;
    dim.h = fh;
}

std::unique_ptr<TButton> TButton::createSimpleButton(const std::string& name, const TImagePtr& image, float x,
                                                     float y, int visible, int active) {
    auto b = baseButton(name, x, y, visible, active, SIMPLE_BUTTON);
    b->_image = image;
    b->countDims();
    b->dim.w = ImageWidth(image);
    b->dim.h = ImageHeight(image);
    return b;
}

std::unique_ptr<TButton> TButton::createSimpleButton(const std::string& name, const std::string& gfx, float x,
                                                     float y, int visible, int active) {
    TImagePtr image = LoadImage(gfx, MASKEDIMAGE | FILTEREDIMAGE | MIPMAPPEDIMAGE);
    MidHandleImage(image);
    return createSimpleButton(name, image, x, y, visible, active);
}

std::unique_ptr<TButton> TButton::createAnimButton(const std::string& name, const std::string& gfx, float x,
                                                   float y, const std::string& scheme, int dir, int visible,
                                                   int active) {
    if (scheme.empty()) fatalError("Nieprawidlowy schemat :" + scheme);
    auto b = baseButton(name, x, y, visible, active, ANIM_BUTTON);
    b->interpretujSchemat(scheme, dir);
    b->loadStrip(gfx, dir, b->frames);
    return b;
}

std::unique_ptr<TButton> TButton::createStepButton(const std::string& name, const std::string& gfx, float x,
                                                   float y, int dir, int visible, int active) {
    auto b = baseButton(name, x, y, visible, active, FSTEP_BUTTON);
    b->loadStrip(gfx, dir, 4);
    return b;
}

std::unique_ptr<TButton> TButton::createBlendButton(const std::string& name, const std::string& gfx, float x,
                                                    float y, int dir, int visible, int active) {
    auto b = baseButton(name, x, y, visible, active, BLEND_BUTTON);
    b->_buttonAlpha = 0;
    b->loadStrip(gfx, dir, 2);
    return b;
}

void TButton::textCorners() {
    const int w = TextWidth(_txt), h = TextHeight("A");
    dim.x1 = int(dim.x - float(w / 2));
    dim.y1 = int(dim.y - float(h));
    dim.x2 = int(dim.x + float(w / 2));
    dim.y2 = int(dim.y + float(h));
    dim.w = w;
    dim.h = h;
}

std::unique_ptr<TButton> TButton::createTextButton(const std::string& name, const std::string& caption,
                                                   const TImageFontPtr& font, float x, float y,
                                                   std::optional<TRGB> colour, std::optional<TRGB> outline,
                                                   int visible, int active) {
    auto b = baseButton(name, x, y, visible, active, TEXT_BUTTON);
    b->_txt = caption;
    b->_font = font;
    b->rgb = colour.value_or(TRGB{});
    b->outLine = outline;
    SetImageFont(font);
    SetScale(1, 1);
    b->textCorners();
    return b;
}

std::unique_ptr<TButton> TButton::createSpecTextButton(const std::string& name, const std::string& caption,
                                                       const TImageFontPtr& font, float x, float y,
                                                       std::optional<TRGB> colour, std::optional<TRGB> outline,
                                                       int visible, int active) {
    auto b = createTextButton(name, caption, font, x, y, colour, outline, visible, active);
    b->_typ = TEXT_SPEC_BUTTON1;
    b->_chrN = 0;
    b->_textHeight = float(TextHeight("A"));
    b->_textScale.fill(1.0f);
    b->countDims2();
    return b;
}

void TButton::countDims2() {
    int w = 0;
    forEachCharacter(_txt, [&](const std::string& c) { w += TextWidth(c) + 3; });
    const int h = int(_textHeight);
    dim.x1 = int(dim.x - float(w / 2));
    dim.y1 = int(dim.y - float(h));
    dim.x2 = int(dim.x + float(w / 2));
    dim.y2 = int(dim.y);
}

std::unique_ptr<TButton> TButton::CreateFromList(const std::string& name, const GuiDeclaration& d) {
    const std::string typ = d.value("TYP", "SIMPLE_BUTTON");
    const std::vector<int> position = settingNumbers(d.value("POSITION", "0 0"), 2);
    const float x = float(position[0]), y = float(position[1]);
    const std::string gfx = stripQuotes(d.value("GFX"));
    const std::string scheme = stripQuotes(d.value("SCHEMAT"));
    const std::string* dirValue = d.find("DIR");
    const int dir = !dirValue || *dirValue == "H" ? 0 : 1;
    const std::string caption = settingText(d.value("TXT"));
    const TImageFontPtr font = settingFont(d);
    const std::optional<TRGB> colour = colourSetting(d, "RGB", false);
    const std::optional<TRGB> outline = colourSetting(d, "OUTLINE", true);
    const int visible = settingFlag(d, "VISIBLE"), active = settingFlag(d, "ACTIVE");

    std::unique_ptr<TButton> b;
    if (typ == "SIMPLE_BUTTON") b = createSimpleButton(name, gfx, x, y, visible, active);
    else if (typ == "ANIM_BUTTON") b = createAnimButton(name, gfx, x, y, scheme, dir, visible, active);
    else if (typ == "FSTEP_BUTTON") b = createStepButton(name, gfx, x, y, 0, visible, active);
    else if (typ == "TEXT_BUTTON") b = createTextButton(name, caption, font, x, y, colour, outline, visible, active);
    else if (typ == "TEXT_SPEC_BUTTON1")
        b = createSpecTextButton(name, caption, font, x, y, colour, outline, visible, active);
    else if (typ == "BLEND_BUTTON") b = createBlendButton(name, gfx, x, y, dir, visible, active);
    if (b) b->opis = settingText(d.value("DESCRIPTION"));
    return b;
}

// ------------------------------------------------------------ per frame

void TButton::countDims() {
    SetScale(1, 1);
    if (_typ == TEXT_BUTTON) {
        SetImageFont(_font);
        textCorners();
    } else if (_typ == TEXT_SPEC_BUTTON1) {
        // The wave caption keeps the area measured when it was built.
    } else if (_image) {
        dim.x1 = int(dim.x - _image->handle_x);
        dim.y1 = int(dim.y - _image->handle_y);
        dim.x2 = dim.x1 + _image->width;
        dim.y2 = dim.y1 + _image->height;
    }
}

void TButton::playAnim(const std::string& name) {
    currentAnim = _animData.getAnimByName(name);
    currentFrame = 0;
    _wykonano = 0;
    _animData.animTime = clockAfter(MilliSecs(), _animData.frameDelta[currentAnim]);
}

void TButton::animUpdate() {
    const int now = MilliSecs();
    if (now < _animData.animTime) return;
    _animData.animTime = clockAfter(now, _animData.frameDelta[currentAnim]);
    if (++currentFrame > _animData.frames[currentAnim] - 1) {
        currentFrame = 0;
        _wykonano = 1;
    }
}

void TButton::sprawdzAnimacje() {
    // Unnamed animations share index 0 with the first animation of the
    // scheme, so the first matching row below is the one that applies.
    const bool over = _over != 0, clicked = _clicked != 0, inactive = _a == 0;
    if (currentAnim == _animActive) {
        if (_wykonano) {
            if (!over) playAnim("NORMAL");
            else if (_overFlag) playAnim("OVER");
            if (inactive && _unactiveFlag) playAnim("UNACTIVE");
        }
    } else if (currentAnim == _animOver) {
        if (!over) playAnim("NORMAL");
        if (clicked && _activeFlag) playAnim("ACTIVE");
        if (inactive && _unactiveFlag) playAnim("UNACTIVE");
    } else if (currentAnim == _animNormal) {
        if (clicked && _activeFlag) playAnim("ACTIVE");
        if (over && _overFlag) playAnim("OVER");
        if (inactive && _unactiveFlag) playAnim("UNACTIVE");
    } else if (currentAnim == _animUnActive) {
        if (_wykonano) playAnim(inactive ? "UNACTIVE" : "NORMAL");
    } else {
        if (_wykonano) playAnim("NORMAL");
        if (inactive && _unactiveFlag) playAnim("UNACTIVE");
    }
}

void TButton::updateWave() {
    _textScale.fill(1.0f);
    size_t length = 0;
    forEachCharacter(_txt, [&](const std::string&) { ++length; });
    // An empty caption, or one longer than the scale table, has no wave.
    if (!_over || length == 0 || length > _textScale.size()) {
        _chrN = 0;
        return;
    }
    _chrN += 0.08f * delta;
    if (_chrN >= float(length)) _chrN = 0;
    // A space is passed over.
    size_t k = 0;
    bool space = false;
    forEachCharacter(_txt, [&](const std::string& c) {
        if (k++ == size_t(_chrN)) space = c == " ";
    });
    if (space) _chrN += 1;
    const size_t i = size_t(_chrN);
    if (i >= _textScale.size()) return;
    // The letter swells to 1 + _bigText / 2 at the middle of its turn and
    // settles back to 1 as the wave moves on, so it joins the next letter
    // without a jump.
    const float f = _chrN - float(i);
    _textScale[i] = f <= 0.5f ? 1 + f * _bigText : 1 + (1 - f) * _bigText;
}

void TButton::updateScaleAndAlpha() {
    const float step = 0.05f * delta;
    approach(_buttonScale, _dButtonScale, step);
    approach(_buttonAlpha, _dButtonAlpha, step);
}

void TButton::updateMe(int /*x*/, int /*y*/) {
    switch (_typ) {
        case SIMPLE_BUTTON:
            _dButtonScale = _over ? 1.1f : 1.0f;
            if (_clicked) _buttonScale = 1.0f;
            break;
        case ANIM_BUTTON:
            sprawdzAnimacje();
            animUpdate();
            break;
        case BLEND_BUTTON:
            _dButtonAlpha = _over ? 1.0f : 0.0f;
            approach(_buttonAlpha, _dButtonAlpha, wzr * delta);
            break;
        case TEXT_BUTTON:
            _dButtonScale = _over ? 1.1f : 1.0f;
            if (_clicked || _holded) _buttonScale = 1.0f;
            break;
        case TEXT_SPEC_BUTTON1:
            updateWave();
            break;
        default:
            break;
    }
    updateScaleAndAlpha();
}

// ------------------------------------------------------------ drawing

void TButton::drawMyTextSpec(const std::string& caption, float x, float y) {
    SetAlpha(_a ? _alpha : 0.3f * _alpha);
    size_t i = 0;
    forEachCharacter(caption, [&](const std::string& c) {
        const float s = i < _textScale.size() ? _textScale[i] : 1.0f;
        const float w = float(TextWidth(c));
        SetScale(s, s);
        DrawText(c, x - w * s / 2, y - _textHeight * s / 2);
        x += w + 3;
        ++i;
    });
}

void TButton::drawFocus(float ox, float oy) {
    const float px = dim.x + ox, py = dim.y + oy;
    const float pulse = 0.7f + 0.3f * Sin(float(MilliSecs() % 1500) * 0.24f);
    const int frame = _typ == ANIM_BUTTON || _typ == FSTEP_BUTTON ? shownFrame() : 0;
    const bool text = _typ == TEXT_BUTTON || _typ == TEXT_SPEC_BUTTON1;
    if (!text && (!_image || frame < 0)) return;
    if (text) SetImageFont(_font);
    const float grown = text ? _scale * _buttonScale : _scale;
    const int tx = text ? int(px - float(TextWidth(_txt) / 2) * grown) : 0;
    const int ty = text ? int(py - float(TextHeight("A") / 2) * grown) : 0;
    // The shape itself, shifted around its place: an outline that follows
    // it, two rings wide, brighter inside.
    SetBlend(LIGHTBLEND);
    SetRotation(0);
    SetScale(grown, grown);
    SetColor(255, 196, 72);
    for (const float radius : {6.0f, 3.0f}) {
        SetAlpha(pulse * _alpha * (radius > 4 ? 0.45f : 0.75f));
        for (int k = 0; k < 8; ++k) {
            const float dx = radius * Cos(45.0f * float(k)), dy = radius * Sin(45.0f * float(k));
            if (text) DrawText(_txt, float(tx) + dx, float(ty) + dy);
            else DrawImage(_image, px + dx, py + dy, frame);
        }
    }
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    SetColor(255, 255, 255);
    SetAlpha(1);
}

int TButton::shownFrame() const {
    int frame = -1;
    if (_typ == FSTEP_BUTTON) {
        if (_over) frame = _clicked || _holded ? 2 : 1;
        else frame = _a ? 0 : 3;
    } else if (_typ == ANIM_BUTTON && currentFrame < _animData.frames[currentAnim]) {
        frame = _animData.frameN[currentAnim][currentFrame] - 1;
    }
    return _image && frame >= 0 && frame < _image->frameCount() ? frame : -1;
}

void TButton::draw(float ox, float oy) {
    const float px = dim.x + ox, py = dim.y + oy;
    // The simple picture and the captions are drawn at their hover scale.
    const float grown = _scale * _buttonScale;
    SetAlpha(_alpha);
    SetColor(rgb.r, rgb.g, rgb.b);
    switch (_typ) {
        case SIMPLE_BUTTON:
            SetScale(grown, grown);
            DrawImage(_image, px, py, 0);
            break;
        case ANIM_BUTTON:
        case FSTEP_BUTTON: {
            SetScale(_scale, _scale);
            const int frame = shownFrame();
            if (frame >= 0) DrawImage(_image, px, py, frame);
            break;
        }
        case BLEND_BUTTON:
            SetScale(_scale, _scale);
            DrawImage(_image, px, py, 0);
            SetAlpha(_alpha * _buttonAlpha);
            DrawImage(_image, px, py, 1);
            break;
        case TEXT_BUTTON:
        case TEXT_SPEC_BUTTON1: {
            const bool wave = _typ == TEXT_SPEC_BUTTON1;
            if (!wave) countDims();
            SetScale(grown, grown);
            SetImageFont(_font);
            const int tx = int(dim.x - float(TextWidth(_txt) / 2) * grown + ox);
            const int ty = int(dim.y - float(TextHeight("A") / 2) * grown + oy);
            auto caption = [&](int x, int y) {
                if (wave) drawMyTextSpec(_txt, float(x), float(y));
                else DrawText(_txt, float(x), float(y));
            };
            const bool grey = !wave && !_a;
            if (outLine) {
                if (grey) SetColor(150, 150, 150);
                else SetColor(outLine->r, outLine->g, outLine->b);
                caption(tx - 1, ty - 1);
                caption(tx + 1, ty - 1);
                caption(tx - 1, ty + 1);
                caption(tx + 1, ty + 1);
            }
            if (grey) SetColor(100, 100, 100);
            else SetColor(rgb.r, rgb.g, rgb.b);
            caption(tx, ty);
            break;
        }
        default:
            break;
    }
}
