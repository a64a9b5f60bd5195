// The yardstick of bench_memory: the smallest program with the game's kind
// of window, an 800 x 600 SDL window with an OpenGL 3.3 core context that is
// cleared and presented every frame. Usage: bare_window [FRAMES] (300).
#include <SDL.h>
#include <epoxy/gl.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::atoi(argv[1]) : 300;
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::printf("bare_window: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_Window* window = SDL_CreateWindow("Bare window", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600,
                                          SDL_WINDOW_OPENGL);
    SDL_GLContext context = window ? SDL_GL_CreateContext(window) : nullptr;
    if (!context) {
        std::printf("bare_window: %s\n", SDL_GetError());
        return 1;
    }
    for (int i = 0; i < frames; ++i) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
        }
        glClearColor(0.7f, 0.78f, 0.86f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        SDL_GL_SwapWindow(window);
        SDL_Delay(16);
    }
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
