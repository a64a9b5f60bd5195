#include "quest/story.h"

#include <algorithm>

#include "app/game_objects.h"
#include "datafiles/rcm_file.h"
#include "datafiles/strings.h"
#include "shell/assets.h"
#include "shell/frame_tick.h"
#include "shell/media/media.h"

namespace {

// A page's font: 0 the small one, 1 the middle one, anything else the large one.
TImageFontPtr pageFont(int code) {
    if (code == 0) return fonts.font_font14;
    if (code == 1) return fonts.font_font16;
    return fonts.font_font18;
}

// Places the page's text on the frame. A longer text (a translation)
// starts higher, so it still ends above the buttons; one that does not fit
// even so takes the small page font.
void layOut(TStoryPart& page) {
    for (const TImageFontPtr& font : {page.font, pageFont(0)}) {
        if (!font) continue;
        page.font = font;
        SetImageFont(font);
        int lines = 0;
        page.lines = layoutTextBlock(page.tekst, TStory::kTextX, TStory::kTextY, TStory::kTextWidth, "LEFT", 1, &lines);
        page.textHeight = (TextHeight("A") + 1) * lines;
        if (TStory::kTextY + page.textHeight <= TStory::kTextBottom) return;
        const int top = TStory::kTextBottom - page.textHeight;
        page.lines = layoutTextBlock(page.tekst, TStory::kTextX, std::max(TStory::kTextTop, top), TStory::kTextWidth,
                                     "LEFT", 1, &lines);
        if (top >= TStory::kTextTop) return;
    }
}

bool isClosingStory(const std::string& file) { return upperCase(file) == upperCase(TStory::kClosingStory); }

}  // namespace

TMyStory readStory(const std::string& path, const std::string& url) {
    TMyStory story;
    story.url = url;
    TRCMFile file;
    file.Load(path);
    const int pages = file.getInt("story::i");
    for (int j = 1; j <= pages; ++j) {
        const std::string group = "story::story" + std::to_string(j) + "::";
        // A count beyond the pages written would only add empty ones.
        if (!file.getGroup(group + "img")) break;
        TStoryPart page;
        page.imgUrl = file.getString(group + "img");
        page.tekst = file.getString(group + "t1");
        page.odl = file.getInt(group + "odl");
        page.name = file.getString(group + "name");
        page.startY = file.getInt(group + "startY");
        page.font = pageFont(file.getInt(group + "font"));
        layOut(page);
        story.storyLine.push_back(std::move(page));
    }
    return story;
}

int TStory::setup() {
    img = LoadImage("gfx/gui/story/strona.png");
    ekr = LoadImage("gfx/gui/story/ekran.png");
    panel2 = LoadImage("gfx/gui/story/panel_small.png");
    gui = createGui(kLayout);
    gui2 = createGui(kMapLayout);
    readStories();
    return 0;
}

void TStory::readStories() {
    storys.clear();
    for (const char* name : kFiles) storys.push_back(readStory(std::string(kFolder) + name, name));
    storyLine = nullptr;
    newStory = oldStory = nullptr;
}

void TStory::getStoryByUrl(const std::string& file) {
    storyLine = nullptr;
    for (TMyStory& story : storys) {
        if (upperCase(story.url) != upperCase(file)) continue;
        storyLine = &story.storyLine;
        break;
    }
    if (storyLine && isClosingStory(file)) {
        TGlobalSnd& snd = objects().snd;
        snd.stopAllMusic();
        snd.playMusic("win");
        EndStory = 1;
    }
}

bool TStory::prepare(const std::string& file) {
    _url = file;
    EndStory = 0;
    newStory = oldStory = nullptr;
    getStoryByUrl(file);
    if (!storyLine || storyLine->empty()) {
        Print("Story " + file + " has no pages to show");
        storyLine = nullptr;
        return false;
    }
    if (!EndStory) objects().snd.stopAllMusic();
    for (TStoryPart& page : *storyLine) page.img = LoadImage(page.imgUrl);
    goExit = 0;
    ind = 0;
    newStory = &storyLine->front();
    newStory->a = 1;  // the first page is there at once
    _updateGui();
    return true;
}

void TStory::prepare3() {
    update();
    draw();
    // The frame timing forgets the time the story took to load.
    for (int i = 0; i < 51; ++i) frameTick();
    TGate& gate = objects().gate;
    if (gate.closed()) gate.open();
    if (!EndStory) objects().snd.playMusic("story");
}

int TStory::lastStoryPart() const {
    return storyLine && !storyLine->empty() && newStory == &storyLine->back() ? 1 : 0;
}

void TStory::nextStory() {
    if (!storyLine || ind + 1 >= int(storyLine->size())) return;
    ++ind;
    oldStory = newStory;
    newStory = &(*storyLine)[size_t(ind)];
    newStory->a = 0;
    // Still seen this frame; hidden by the next update.
    if (lastStoryPart())
        if (TGuiObject* next = gui->getItem("next")) next->setState(1, 0);
}

void TStory::_updateGui() {
    const int last = lastStoryPart();
    if (TGuiObject* skip = gui->getItem("skip")) skip->setState(!last, !last);
    if (TGuiObject* ok = gui->getItem("ok")) ok->setState(last, last);
    if (TGuiObject* next = gui->getItem("next")) next->setState(!last, !last);
}

void TStory::_updateStory() {
    if (newStory) approach(newStory->a, 1.0f, 0.03f * delta);
}

int TStory::update() {
    _updateGui();
    gui->update();
    _updateStory();
    objects().gate.update();
    return 0;
}

void TStory::_drawText(const TStoryPart& page, float alpha) {
    if (page.font) SetImageFont(page.font);
    // A one-pixel shadow to the lower right keeps the words clear of the frame.
    SetColor(0, 0, 0);
    SetAlpha(alpha * 0.6f);
    for (const PlacedText& line : page.lines) DrawText(line.text, line.x + 1, line.y + 1);
    SetColor(255, 255, 255);
    SetAlpha(alpha);
    for (const PlacedText& line : page.lines) DrawText(line.text, line.x, line.y);
}

void TStory::_drawStory() {
    SetColor(255, 255, 255);
    SetRotation(0);
    SetScale(1, 1);
    SetBlend(ALPHABLEND);
    SetAlpha(1);
    if (!newStory) return;
    // The pictures cross-fade: the old one stays whole under the new one.
    if (oldStory) DrawImage(oldStory->img, 0, 0);
    SetAlpha(newStory->a);
    DrawImage(newStory->img, 0, 0);
    SetAlpha(1);
    DrawImage(img, 0, 0);
    // The texts cross-fade, each keeping the lines it was shown with.
    if (oldStory) _drawText(*oldStory, 1 - newStory->a);
    _drawText(*newStory, newStory->a);
    SetColor(255, 255, 255);
    SetAlpha(1);
}

int TStory::draw() {
    _drawStory();
    gui->draw();
    objects().gate.draw();
    return 0;
}

void TStory::_leave() {
    objects().snd.stopAllMusic();
    objects().gate.close();
}

void TStory::react() {
    // Enter (the gamepad's A) or Space turns the page, as "next" does; a
    // focused button takes them itself.
    const bool onward = gui->clickedItem("next") || KeyHit(KEY_ENTER) + KeyHit(KEY_SPACE) > 0;
    if (gui->clickedItem("skip") || gui->clickedItem("ok") || KeyHit(KEY_ESCAPE)) _leave();
    else if (onward) lastStoryPart() ? _leave() : nextStory();
    if (KeyHit(KEY_L)) gui->reload();
    if (objects().gate.closed()) goExit = 1;
}

void TStory::finish() {
    if (storyLine)
        for (TStoryPart& page : *storyLine) page.img.reset();
    oldStory = nullptr;
    // The click or key that left the story must not reach the next screen.
    FlushKeys();
    FlushMouse();
    objects().mouse.leftPressed = 0;
}

int TStory::mainLoop(const std::string& file) {
    if (prepare(file)) {
        Print("STORY : " + file);
        const Shown shown(*this);
        prepare3();
        while (!goExit) {
            runFrame();
            react();
        }
        objects().snd.stopAllMusic();
        Print("END OF STORY");
        finish();
    }
    // The quest is over even when its last pages cannot be shown.
    if (isClosingStory(file)) objects().credits.mainLoop();
    return 1;
}
