#pragma once
// The per-frame mouse snapshot and the software cursors. The system pointer
// stays hidden; the visible pointer is the current cursor, drawn last in
// every frame.
#include <memory>
#include <string>
#include <vector>

#include "gui/dim.h"
#include "shell/media/image.h"

class TCursor {
public:
    std::string _id;
    TImagePtr _img;      // one picture, or a strip of frames
    int _time = 0;       // clock time (ms) the next frame is due
    int _timeDelta = 0;  // ms per frame
    int _frame = 0;
    int _maxFrames = 0;  // index of the last frame; 0 for a still cursor
    int _hx = 0, _hy = 0;  // hot spot: the picture point placed at the pointer

    void draw(int x, int y);
    // Steps an animated cursor when its time has come; true when the frame changed.
    bool update();
};

class TMouse {
public:
    std::vector<std::unique_ptr<TCursor>> listaKursorow;  // load order
    int x = 0, y = 0;    // pointer this frame
    int px = 0, py = 0;  // pointer at the previous update
    int vx = 0, vy = 0;  // previous minus current: positive vx when it moved left
    int leftPressed = 0;   // presses since the previous update
    int rightPressed = 0;
    int leftHolded = 0;    // 1 while down
    int rightHolded = 0;
    int middleHit = 0;
    int middleHold = 0;
    int _v = 1;          // the cursor is drawn
    TCursor* cur = nullptr;

    // The newest mouse becomes the widgets' mouse (guiMouse).
    TMouse();
    ~TMouse();
    TMouse(const TMouse&) = delete;
    TMouse& operator=(const TMouse&) = delete;

    // The snapshot of this frame; once per frame, before any widget or screen logic.
    void update();
    void draw();
    void show() { _v = 1; }
    void hide() { _v = 0; }
    // Edges included.
    bool inRect(int rx, int ry, int w, int h) const;
    // By the rectangle's position and size (not its hit corners), edges included.
    bool inDim(const TDim& d) const;
    // Adds a cursor and makes it current. A strip of `frames` cells side by
    // side animates at frameTime ms per frame; frames 0 or 1 is a still picture.
    void loadCursor(const std::string& id, const std::string& path, int hx, int hy, int frames = 0,
                    int frameTime = 0);
    void loadCursor(const std::string& id, const TImagePtr& image, int hx, int hy, int frames = 0,
                    int frameTime = 0);
    // The last loaded cursor of that name (letter case ignored) becomes
    // current; an unknown name keeps the current one.
    void setCursor(const std::string& id);
    // Forgets every press and hold so far (FlushMouse included).
    void clear();

private:
    TMouse* previousGuiMouse_ = nullptr;
    // Appends a cursor and makes it current.
    TCursor& addCursor(const std::string& id, const TImagePtr& image, int hx, int hy);
};

// The mouse the widgets read: the most recently constructed TMouse still alive.
extern TMouse* guiMouse;

// The game's nine cursors: name, picture and hot spot, each a single picture.
struct GameCursor {
    const char* id;
    const char* picture;
    int hotX, hotY;
};
extern const GameCursor kGameCursors[9];

// Registers the game's nine cursors, the plain pointer selected.
void registerGameCursors(TMouse& mouse);
