// The yardstick of the start-up and memory benchmarks: the least a game of
// this kind does, an 800 x 600 SDL window with an OpenGL 3.3 core context.
// It presents a cleared frame, says "ready", and then either presents FRAMES
// more frames and ends (bare_window FRAMES) or waits to be ended (no argument).
#include <SDL.h>
#include <epoxy/gl.h>

#include <cstdio>
#include <cstdlib>

namespace {
int failed(const char* what) {
    std::fprintf(stderr, "bare_window: %s: %s\n", what, SDL_GetError());
    return 1;
}
}  // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::atoi(argv[1]) : -1;
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
    if (frames < 0) {
        while (SDL_WaitEvent(&e))
            if (e.type == SDL_QUIT) break;
    }
    for (int i = 0; i < frames; ++i) {
        while (SDL_PollEvent(&e)) {
        }
        glClear(GL_COLOR_BUFFER_BIT);
        SDL_GL_SwapWindow(window);
        SDL_Delay(16);
    }
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
