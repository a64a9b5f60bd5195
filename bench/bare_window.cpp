// The yardstick of the start-up benchmark: the least a game of this kind
// does before it can take input. Opens an 800 x 600 OpenGL 3.3 window the way
// the game does, presents one cleared frame, says "ready" and waits to be
// ended.
#include <SDL.h>
#include <epoxy/gl.h>

#include <cstdio>

namespace {
int failed(const char* what) {
    std::fprintf(stderr, "bare_window: %s: %s\n", what, SDL_GetError());
    return 1;
}
}  // namespace

int main() {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return failed("no video");
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_Window* window = SDL_CreateWindow("Bare window", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600,
                                          SDL_WINDOW_OPENGL);
    if (!window) return failed("no window");
    SDL_GLContext context = SDL_GL_CreateContext(window);
    if (!context) return failed("no OpenGL 3.3 context");
    glClearColor(0.7f, 0.78f, 0.86f, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    SDL_GL_SwapWindow(window);
    std::puts("ready");
    std::fflush(stdout);
    SDL_Event e;
    while (SDL_WaitEvent(&e))
        if (e.type == SDL_QUIT) break;
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
