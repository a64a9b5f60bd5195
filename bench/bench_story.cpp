// The story screen's costs, in the generated working folder: reading every
// story file and laying out every page at start-up, and opening the longest
// story (its pictures decoded while the gate is closed). The pictures of one
// story are held only while it is shown; the figure for all of them is what
// loading every page at start-up would hold. Targets: set-up under 100 ms,
// opening a story under 150 ms.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "quest/story.h"
#include "shell/assets.h"

namespace {

std::string gameDir() {
    const char* dir = std::getenv("VORNELL_GAME_DIR");
    return dir ? dir : VORNELL_GAME_DIR;
}

double pictureMegabytes(const TImagePtr& image) {
    return image ? double(image->source.pixels.size()) * 4.0 / (1024.0 * 1024.0) : 0;
}

void StorySetup(benchmark::State& state) {
    std::filesystem::current_path(gameDir());
    if (!fonts.font_font16) fonts.load();
    int pages = 0;
    for (auto _ : state) {
        TStory story;
        story.setup();
        pages = 0;
        for (const TMyStory& s : story.storys) pages += int(s.storyLine.size());
    }
    if (pages == 0) state.SkipWithError("no stories: generate the content first");
    state.counters["pages"] = pages;
}
BENCHMARK(StorySetup)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

void StoryOpen(benchmark::State& state) {
    std::filesystem::current_path(gameDir());
    if (!fonts.font_font16) fonts.load();
    TStory story;
    story.setup();
    double held = 0, all = 0;
    for (auto _ : state) {
        if (!story.prepare("koniec.dat")) {
            state.SkipWithError("no closing story: generate the content first");
            break;
        }
        state.PauseTiming();
        held = 0;
        for (const TStoryPart& page : *story.storyLine) held += pictureMegabytes(page.img);
        story.finish();
        state.ResumeTiming();
    }
    for (const TMyStory& s : story.storys)
        for (const TStoryPart& page : s.storyLine)
            all += double(page.imgUrl.empty() ? 0 : 800 * 600 * 4) / (1024.0 * 1024.0);
    state.counters["held_MB"] = held;
    state.counters["all_pages_MB"] = all;
}
BENCHMARK(StoryOpen)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
